// tinygltf's implementation, compiled once for the model library. Images are
// made and read by Qt, so tinygltf's own image code is left out (see the
// library's compile definitions).
#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>
