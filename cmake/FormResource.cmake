# lxv_add_form_resource(target NAME file.txt)
# Converts a text form file of the source tree into a binary form stream at
# build time and links it into `target`, registered as the form resource NAME
# (see platform/form_files/form_resources.h) when the library or program loads.
# The converter is Lexivar::formconv: this build's own formconv, or the one
# an installed package brings.
set(LXV_EMBED_FORM_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFormResource.cmake)

function(lxv_add_form_resource target name file)
  get_filename_component(source ${file} ABSOLUTE)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/form_resources)
  set(binary ${dir}/${target}_${name}.bin)
  set(generated ${dir}/${target}_${name}.cpp)
  set(formconv $<TARGET_FILE:Lexivar::formconv>)
  add_custom_command(OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${formconv} --to-binary ${source} ${binary}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${binary} -DOUTPUT=${generated} -DNAME=${name} -P ${LXV_EMBED_FORM_SCRIPT}
    DEPENDS ${source} ${formconv} ${LXV_EMBED_FORM_SCRIPT}
    COMMENT "Form resource ${name} from ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${generated})
endfunction()
