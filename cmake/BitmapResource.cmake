# lxv_add_bitmap_resource(target NAME file.bmp)
# Links a ".bmp" file of the source tree into `target`, registered as the
# bitmap resource NAME (see platform/design/palette.h) when the library or
# program loads. The palette of a design environment finds it by that name.
set(LXV_EMBED_BITMAP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedBitmapResource.cmake)

function(lxv_add_bitmap_resource target name file)
  get_filename_component(source ${file} ABSOLUTE)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/bitmap_resources/${target}_${name}.cpp)
  add_custom_command(OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${source} -DOUTPUT=${generated} -DNAME=${name} -P ${LXV_EMBED_BITMAP_SCRIPT}
    DEPENDS ${source} ${LXV_EMBED_BITMAP_SCRIPT}
    COMMENT "Bitmap resource ${name} from ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${generated})
endfunction()
