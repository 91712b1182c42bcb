# The command line from outside: --version, unknown options, the window
# without a display, conversions that must not write over their source or
# that need their output folder made, PDF files checked by qpdf and poppler
# (and the message when they cannot be written), plain text written back byte
# for byte and made from a native document, files that are no documents at
# all (a named pipe, a sparse file of 200 GB), fields brought up to date in a
# saved document, poster sheets as PDF, and RTF read back by LibreOffice and
# AbiWord where they are installed. Each check runs the program through
# tests/cli/checks/command_line_check.cmake.
set(cli_checks version unknown_option convert_onto_itself outdir_created named_pipe huge_sparse_file convert_to_pdf
    convert_to_txt txt_from_lpx dump_utf8_text dump_fields poster_pdf_one_sheet poster_pdf_failures convert_to_rtf
    rtf_other_readers)
# Without the front end there is no window to start.
if(VENDARO_BUILD_APP)
  list(APPEND cli_checks no_display)
endif()
foreach(check IN LISTS cli_checks)
  add_test(NAME cli.${check}
           COMMAND ${CMAKE_COMMAND} -DVENDARO=$<TARGET_FILE:vendaro> -DCHECK=${check}
                   -DWORK=${CMAKE_BINARY_DIR}/test-config/cli-${check} -DTEMPLATE=${VENDARO_PROGRAM_DIR}/normal.lpw
                   -DFIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/checks/command_line_check.cmake)
  set_tests_properties(cli.${check} PROPERTIES TIMEOUT 60 LABELS cli
    ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
endforeach()
# LibreOffice may take a while to start for the first time.
set_tests_properties(cli.rtf_other_readers PROPERTIES TIMEOUT 200)
