# lxvdesign run as a person runs it: exit status and messages of what a
# script cannot do. -DTOOL=lxvdesign -DPACKAGE=libLxvD4.so -DDATA=this folder
# -DWORK=a fresh directory.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs the tool; its exit status must be `exit` and its output match `regex`.
function(lxvdesign exit regex)
  execute_process(COMMAND ${TOOL} -p ${PACKAGE} ${ARGN} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL exit)
    message(FATAL_ERROR "lxvdesign ${ARGN}: exit status ${status}, expected ${exit}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${regex}")
    message(FATAL_ERROR "lxvdesign ${ARGN}: the output does not match \"${regex}\":\n${out}${err}")
  endif()
endfunction()

set(open -c "open ${DATA}/selector_form.txt" -c "drop TLexivar")
lxvdesign(1 "-c 3: Lexivar1.AdoptOn refused 'Button1': Error setting AdoptOn property, an illigal component"
  ${open} -c "set Lexivar1 AdoptOn Button1")
lxvdesign(1 "-c: 1 user step was not used by the end of the script: click BtnOK" ${open} -c "user click BtnOK")
file(WRITE ${WORK}/steps.lxd "user wait 1500\n")
lxvdesign(1 "steps.lxd: 1 user step was not used by the end of the script: wait 1500 ms" ${open} steps.lxd)
lxvdesign(1 "cannot read ${WORK}: Is a directory" ${WORK})
lxvdesign(1 "cannot read missing.lxd: No such file or directory" missing.lxd)
