# Installs the build into a scratch prefix, then configures, builds and runs the
# example consumer against each package.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
# The installed formconv starts from the prefix with no help from the
# environment: a text form to binary, as the reference has it, and back.
set(formconv ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${WORK_DIR}/prefix/bin/formconv)
set(form ${SOURCE_DIR}/tests/data/forms/g01_ints)
execute_process(COMMAND ${formconv} ${form}.txt ${WORK_DIR}/form.bin RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "installed formconv (text to binary) exited ${rc}: ${err}")
endif()
file(SHA256 ${WORK_DIR}/form.bin converted)
file(SHA256 ${form}.bin expected)
if(NOT converted STREQUAL expected)
  message(FATAL_ERROR "installed formconv wrote a binary form unlike ${form}.bin")
endif()
execute_process(COMMAND ${formconv} ${WORK_DIR}/form.bin ${WORK_DIR}/form.txt RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${WORK_DIR}/form.txt text LIMIT 16)
if(rc OR NOT text MATCHES "^object IntsForm")
  message(FATAL_ERROR "installed formconv (binary to text) exited ${rc}, wrote '${text}': ${err}")
endif()

foreach(package LxvD3 Lxvc3 LxvD4)
  set(build ${WORK_DIR}/build-${package})
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/consumer -B ${build}
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DLXV_PACKAGE=${package} RESULT_VARIABLE rc OUTPUT_QUIET)
  if(rc)
    message(FATAL_ERROR "configuring the consumer of ${package} failed")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} RESULT_VARIABLE rc OUTPUT_QUIET)
  if(rc)
    message(FATAL_ERROR "building the consumer of ${package} failed")
  endif()
  # Headless whatever the machine has: the scripted user picks each locale
  # of the list box. The first run writes the translation file beside the
  # program, the second reads it from there.
  foreach(run built read)
    execute_process(COMMAND ${build}/consumer --headless WORKING_DIRECTORY ${WORK_DIR}
      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(rc OR NOT out MATCHES "^${package} Korvane Lexivar"
       OR NOT out MATCHES "Translation file consumer_trans.txt: ${run} beside the program"
       OR NOT out MATCHES "LocaleList: TListBox at 240,16 size 184x80"
       OR NOT out MATCHES "\nEnglish, United States: Date 3/5/2024  Amount \\$1,234.50\n"
       OR NOT out MATCHES "\nGerman, Germany: Date 05\\.03\\.2024  Amount 1\\.234,50 ")
      message(FATAL_ERROR "consumer of ${package} (${run}) printed '${out}' (exit ${rc}): ${err}")
    endif()
  endforeach()
  file(STRINGS ${build}/consumer_trans.txt german REGEX "^#2MainForm\\.00000407_DECIMALSEPARATOR%0=,$")
  if(NOT german)
    message(FATAL_ERROR "consumer of ${package} wrote no German table to ${build}/consumer_trans.txt")
  endif()
  message(STATUS "${out}")
endforeach()
