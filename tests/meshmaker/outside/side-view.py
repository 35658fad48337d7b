# Blender (blender -b --python side-view.py -- MODEL OUT.png): imports a .glb
# or an OBJ with Blender's own importers and renders the side that matches
# the picture, in flat colours (the Workbench engine, flat light, texture
# colours, no colour management), so each pixel shows its texture's colour.
import math
import sys

import numpy

# Blender 3.4's glTF importer still uses numpy.bool, which newer numpy lacks.
if not hasattr(numpy, "bool"):
    numpy.bool = bool

import bpy

model, out = sys.argv[sys.argv.index("--") + 1:][:2]
bpy.ops.wm.read_factory_settings(use_empty=True)
if model.lower().endswith(".obj"):
    bpy.ops.wm.obj_import(filepath=model)
else:
    bpy.ops.import_scene.gltf(filepath=model)

scene = bpy.context.scene
# The fish's +z side faces the camera (Blender's -y after the importers'
# turn to z up), framed whole.
camera = bpy.data.objects.new("side", bpy.data.cameras.new("side"))
camera.data.type = "ORTHO"
camera.data.ortho_scale = 9.0
camera.location = (0, -30, 0)
camera.rotation_euler = (math.pi / 2, 0, 0)
scene.collection.objects.link(camera)
scene.camera = camera
scene.render.engine = "BLENDER_WORKBENCH"
scene.display.shading.light = "FLAT"
scene.display.shading.color_type = "TEXTURE"
scene.view_settings.view_transform = "Standard"
scene.render.resolution_x = 1000
scene.render.resolution_y = 600
scene.render.filepath = out
bpy.ops.render.render(write_still=True)
