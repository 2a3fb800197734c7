# lxvtrans run as a user runs it, in a fresh directory WORK. Arguments:
# -DTOOL=lxvtrans -DFORMCONV=formconv -DDATA=this folder -DWORK=... -DCASE=
#   round_trip  tables of a text and a binary form out to a file and back in
#   check       the reports on a file with faulty lines
#   usage       help, usage and errors that name the file
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs the tool; its exit status must be `exit` and its output match `regex`.
function(lxvtrans exit regex)
  execute_process(COMMAND ${TOOL} ${ARGN} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL exit)
    message(FATAL_ERROR "lxvtrans ${ARGN}: exit status ${status}, expected ${exit}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${regex}")
    message(FATAL_ERROR "lxvtrans ${ARGN}: the output does not match \"${regex}\":\n${out}${err}")
  endif()
endfunction()

function(expect_file file regex)
  file(READ ${WORK}/${file} content)
  if(NOT content MATCHES "${regex}")
    message(FATAL_ERROR "${file} does not match \"${regex}\":\n${content}")
  endif()
endfunction()

if(CASE STREQUAL "round_trip")
  file(COPY ${DATA}/orders_form.txt ${DATA}/orders_trans.txt DESTINATION ${WORK})
  lxvtrans(0 "MainForm.Lexivar1 \\(tag 0\\): 4 lines saved to trans.txt\nMainForm.Lexivar2: skipped"
    extract orders_form.txt trans.txt)
  # Compared byte for byte (file(READ) would hide the CRs).
  file(WRITE ${WORK}/expected.txt "#2MainForm.00000407_SHORTDATEFORMAT%0=dd.MM.yyyy\r\n"
    "#2MainForm.00000407_SLANGUAGE%0=Deutsch\r\n#2MainForm.00000409_SHORTDATEFORMAT%0=M/d/yyyy\r\n"
    "#2MainForm.00000409_SLANGUAGE%0=English\r\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/expected.txt ${WORK}/trans.txt
    RESULT_VARIABLE differ)
  if(differ)
    file(READ ${WORK}/trans.txt saved)
    message(FATAL_ERROR "trans.txt holds:\n${saved}")
  endif()
  if(EXISTS ${WORK}/shared.txt)
    message(FATAL_ERROR "the component with a FileName saved its file")
  endif()
  lxvtrans(0 "trans.txt: 4 lines; 4 of 1 owner, 0 of other shapes\nMainForm\n  tag 0: 4 lines; locales 00000407 \\(2\\), 00000409 \\(2\\)\n"
    list trans.txt)
  # Each locale holds one catalogue key and lacks the rest.
  lxvtrans(1 "locale 00000407 lacks 57 of the 58 catalogue keys:.*locale 00000409 lacks 57.*trans.txt: 2 problems in 4 lines"
    check trans.txt)

  # Into the text form: kept, replaced and added lines; the rest of the form as it was.
  lxvtrans(0 "MainForm.Lexivar1 \\(tag 0\\): 4 lines, 5 after merging orders_trans.txt"
    inject orders_trans.txt orders_form.txt out.txt)
  expect_file(out.txt "PixelsPerInch = 96.*AdoptOn = ListBox1.*'00000407_SHORTDATEFORMAT=d.M.yy'.*'00000407_SLANGUAGE=Deutsch'.*'0000040C_SLANGUAGE=Francais'\\).*OnTranslated = Lexivar1Translated")
  file(READ ${WORK}/out.txt injected)
  if(injected MATCHES "dd.MM.yyyy|OtherForm")
    message(FATAL_ERROR "out.txt kept a replaced line or took another owner's:\n${injected}")
  endif()

  # A binary form is written back binary, in place when no OUT is given.
  execute_process(COMMAND ${FORMCONV} --to-binary orders_form.txt orders.dfm WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "formconv failed")
  endif()
  lxvtrans(0 "5 after merging" inject orders_trans.txt orders.dfm)
  file(READ ${WORK}/orders.dfm signature LIMIT 4 HEX)
  if(NOT signature STREQUAL "54504630")  # "TPF0"
    message(FATAL_ERROR "orders.dfm is no longer a binary form")
  endif()
  lxvtrans(0 "5 lines saved to again.txt" extract orders.dfm again.txt)
  expect_file(again.txt "00000407_SHORTDATEFORMAT%0=d.M.yy\n")
elseif(CASE STREQUAL "check")
  file(COPY ${DATA}/faulty_trans.txt DESTINATION ${WORK})
  lxvtrans(1 [[line 2: '' is not a valid integer value \(loading and saving the lines of owner "MainForm" fail here\)
.*line 3: 'x' is not a valid integer value \(loading and saving .*
.*line 4: key 00000409_A of owner "MainForm" with tag 0 again \(first on line 1\); loading keeps the last value
.*owner "MainForm", tag 0, locale 00000409 lacks 58 of the 58 catalogue keys: .*
.*owner "MainForm", tag 1, locale 00000409 lacks 58 .*
.*owner "OtherForm", tag 0, locale 00000409 lacks 58 .*
faulty_trans.txt: 6 problems in 7 lines
$]] check faulty_trans.txt)
  lxvtrans(0 [[7 lines; 6 of 2 owners, 1 of other shapes
MainForm
  tag 0: 2 lines; locales 00000409 \(2\)
  tag 1: 1 line; locales 00000409 \(1\)
  no tag: 1 line; locales 00000409 \(1\)
  tag "x" \(not an integer\): 1 line; locales 00000409 \(1\)
OtherForm
  tag 0: 1 line]] list faulty_trans.txt)
elseif(CASE STREQUAL "usage")
  file(WRITE ${WORK}/plain_form.txt "object Form1: TForm\n  Caption = 'x'\nend\n")
  file(WRITE ${WORK}/broken_form.txt "object Form1: TForm\n  Caption = \n")
  file(WRITE ${WORK}/t.txt "")
  lxvtrans(0 "usage: lxvtrans list FILE.*inject FILE FORM \\[OUT\\]" --help)
  lxvtrans(2 "usage: lxvtrans list FILE")
  lxvtrans(2 "usage: lxvtrans list FILE" list)
  lxvtrans(2 "usage: lxvtrans list FILE" convert t.txt)
  lxvtrans(1 "^lxvtrans: .*\"missing.txt\"" check missing.txt)
  lxvtrans(1 "^lxvtrans: Translation file \"missing.txt\" not found" inject missing.txt plain_form.txt)
  lxvtrans(1 "^lxvtrans: no TLexivar component in form file \"plain_form.txt\"" extract plain_form.txt t.txt)
  lxvtrans(1 "^lxvtrans: Form file \"broken_form.txt\": " extract broken_form.txt t.txt)
else()
  message(FATAL_ERROR "unknown CASE ${CASE}")
endif()
