# The demo's headless run under a fixed date and clock, in a scratch settings
# directory and with no translation file beside the program: what it prints
# must be the expected text, it writes the translation file, and a second run
# starts in the locale the first one's last pick left in the settings store.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(bin_dir ${DEMO} DIRECTORY)
file(REMOVE ${bin_dir}/lxvdemo_trans.txt)
set(run ${CMAKE_COMMAND} -E env --unset=DISPLAY LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LXV_HEADLESS=1
    "LXV_DEMO_DATE=2024-03-05 14:07:09" XDG_CONFIG_HOME=${WORK_DIR}/config ${DEMO})
execute_process(COMMAND ${run} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "lxvdemo exited ${rc}: ${err}")
endif()
file(WRITE ${WORK_DIR}/first_run.txt "${out}")
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK_DIR}/first_run.txt)
  message(FATAL_ERROR "the demo's headless run differs from ${EXPECTED} (above)")
endif()
if(NOT EXISTS ${bin_dir}/lxvdemo_trans.txt)
  message(FATAL_ERROR "the demo wrote no translation file beside the program")
endif()
execute_process(COMMAND ${run} RESULT_VARIABLE rc OUTPUT_VARIABLE again ERROR_VARIABLE err)
if(rc OR NOT again MATCHES "\\[x\\] Deutsch \\(German, Germany\\)\n.*Language > ")
  message(FATAL_ERROR "the second run did not start in German (exit ${rc}): ${again}${err}")
endif()
