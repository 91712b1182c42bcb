# --render-png draws page 1 through the window program's painter, without a
# display; a zoom outside 1–1000 is refused.
if(VENDARO_BUILD_APP)
  set(cli_environment "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR}" "VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
  add_test(NAME cli.render_png_start_template
           COMMAND vendaro --render-png ${CMAKE_BINARY_DIR}/test-config/start.png --zoom 50 ${VENDARO_PROGRAM_DIR}/normal.lpw)
  set_tests_properties(cli.render_png_start_template PROPERTIES ENVIRONMENT "${cli_environment}" LABELS cli)

  add_test(NAME cli.render_png_refuses_a_bad_zoom
           COMMAND vendaro --render-png ${CMAKE_BINARY_DIR}/test-config/bad.png --zoom 0 ${VENDARO_PROGRAM_DIR}/normal.lpw)
  set_tests_properties(cli.render_png_refuses_a_bad_zoom PROPERTIES
    PASS_REGULAR_EXPRESSION "Der Zoom muss zwischen 1 und 1000 liegen" ENVIRONMENT "${cli_environment}" LABELS cli)
endif()
