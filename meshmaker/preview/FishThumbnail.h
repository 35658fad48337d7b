#pragma once
// A still picture of a model as the 3-D view draws it, made on the CPU
// without any display or OpenGL: the file manager's thumbnail of a PGX or
// PGDAF file (meshmaker --thumbnail). It takes the model the view shows
// (PreviewModel: the mesh and the picture) and draws it with the view's
// rules, in software: the export's two pictures as the textures (the body's
// edge-padded, the fins' cut to their painted shape: texels of alpha below
// one half are not drawn), the view's light (fixed to the camera, plus
// ambient) at the vertices, each side of a fin lit as it faces, the body's
// and the eyes' inner faces drawn only where the surface is open. Depth-buffered,
// perspective-correct, two samples across each pixel each way, on a transparent background.

#include "FishMesh.h"
#include "PreviewModel.h"

#include <QImage>

// The three-quarter view of the thumbnails: turned from the side towards the
// head, and seen a little from above (degrees, as OrbitCamera takes them).
inline constexpr float ThumbnailYaw = -35.0f;
inline constexpr float ThumbnailPitch = 20.0f;

// The model drawn in three quarters, framed so that its longer side is size
// pixels (the other at least one), in ARGB32 premultiplied; the background is
// transparent. A model without triangles gives a null image.
QImage RenderFishThumbnail(const PreviewModel& model, int size);
