// A product shot for the README's screenshots: a glazed ceramic mug on a
// seamless studio backdrop. Render with render.sh.
#version 3.7;
#include "colors.inc"
#include "finish.inc"

global_settings {
  assumed_gamma 1.0
  radiosity { pretrace_start 0.08 pretrace_end 0.01 count 120 recursion_limit 2 error_bound 0.6 nearest_count 8 }
}

camera {
  location <0, 6.5, -19>
  look_at <0.7, 2.2, 0>
  angle 34
}

// Soft box above left, a fill from the right, a rim from behind.
light_source { <-9, 14, -9> color rgb 0.72 area_light <5, 0, 0>, <0, 0, 5>, 6, 6 adaptive 1 jitter circular orient }
light_source { <10, 6, -8> color rgb 0.35 area_light <3, 0, 0>, <0, 3, 0>, 4, 4 adaptive 1 jitter }
light_source { <2, 9, 10> color rgb 0.3 shadowless }

// Seamless backdrop: a floor that curves up into a wall.
#declare Backdrop = pigment { gradient y color_map { [0 color rgb <0.93, 0.93, 0.95>] [1 color rgb <0.99, 0.99, 1.0>] } scale 14 }
plane { y, 0 pigment { color rgb <0.92, 0.92, 0.94> } finish { diffuse 0.9 ambient 0 } }
plane { z, 12 pigment { Backdrop } finish { diffuse 0.9 ambient 0 } }

#declare Glaze = material {
  texture {
    pigment { gradient y color_map {
      [0.00 color rgb <0.96, 0.95, 0.92>]
      [0.44 color rgb <0.96, 0.95, 0.92>]
      [0.46 color rgb <0.10, 0.42, 0.52>]
      [1.00 color rgb <0.08, 0.36, 0.46>] } scale 4.2 }
    finish { diffuse 0.75 specular 0.6 roughness 0.004 reflection { 0.04, 0.12 fresnel on } conserve_energy ambient 0 }
  }
  interior { ior 1.5 }
}

#declare Mug = union {
  difference {
    cylinder { <0, 0, 0>, <0, 4.2, 0>, 1.9 }
    cylinder { <0, 0.3, 0>, <0, 4.5, 0>, 1.72 }
    torus { 1.9, 0.001 }
  }
  torus { 1.81, 0.09 translate <0, 4.2, 0> }              // rounded rim
  torus { 1.05, 0.24 rotate <90, 0, 0> scale <0.9, 1.15, 1> translate <2.35, 2.2, 0> }  // handle
  material { Glaze }
}

object { Mug rotate <0, -28, 0> translate <0.2, 0, 0> }

// A slate coaster under it.
cylinder {
  <0, 0, 0>, <0, 0.14, 0>, 2.9
  pigment { granite color_map { [0 color rgb <0.24, 0.25, 0.27>] [1 color rgb <0.32, 0.33, 0.35>] } scale 0.6 }
  finish { diffuse 0.8 specular 0.2 roughness 0.03 ambient 0 }
  translate <0.2, 0, 0>
}
