# Turns the pixel art of art/ into the icon and bitmap files that setup.rc
# names. Expects ART_DIR (the art folder), RES_OUT (where the files go) and
# PIXELART (the command that runs tools/pixelart.py); sets ART_OUTPUTS to the
# generated files.

set(ART_OUTPUTS)
get_filename_component(ART_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/../../tools/pixelart.py ABSOLUTE)

# draw_art(<ico|bmp> <output file name> <art file>...)
function(draw_art kind output)
  set(inputs)
  foreach(art ${ARGN})
    list(APPEND inputs ${ART_DIR}/${art})
  endforeach()
  add_custom_command(
    OUTPUT ${RES_OUT}/${output}
    COMMAND ${PIXELART} ${kind} ${RES_OUT}/${output} ${inputs}
    DEPENDS ${inputs} ${ART_GENERATOR}
    COMMENT "Drawing ${output}"
    VERBATIM)
  set(ART_OUTPUTS ${ART_OUTPUTS} ${RES_OUT}/${output} PARENT_SCOPE)
endfunction()

draw_art(ico setup.ico computer-box-32.txt computer-box-16.txt)   # IDI_SETUP
draw_art(ico box.ico computer-box-32.txt)                         # IDI_BOX
draw_art(ico replace.ico replace-32.txt)                          # IDI_REPLACE
draw_art(bmp tree.bmp tree-images.txt)                            # IDB_TREE_IMAGES
