# Documents written as RTF and read back keep their frames, texts, tables
# and pictures, and are written as the same RTF again; each document runs
# through tests/cli/checks/rtf_round_trip_check.cmake.
# Documents that RTF changes by design are written differently the second
# time: layout.lpx holds lists, which come back as literal text, spacing.lpx
# at-least and exact line spacing, which come back single.
set(changed_by_design layout spacing)
# Damaged documents, which the round trip starts from once repaired.
set(damaged rich)
# anchored_paragraphs.rtf holds objects at paragraphs further down the page.
# The header fixtures cover every way headers and footers show: header.rtf
# a first page and facing pages, first_page.rtf, facing.rtf, all_pages.rtf.
set(round_trip_sources rtf/formats.rtf rtf/header.rtf rtf/first_page.rtf rtf/facing.rtf rtf/all_pages.rtf
    rtf/fields.rtf rtf/columns.rtf rtf/paragraphs.rtf rtf/table.rtf rtf/table_design.rtf rtf/shapes.rtf
    rtf/pictures.rtf rtf/picture_depths.rtf rtf/text_boxes.rtf rtf/drawing_kinds.rtf rtf/anchored_paragraphs.rtf
    rtf/spacing.lpx text_export/layout.lpx fuzz/lpx/rich.lpx)
foreach(source IN LISTS round_trip_sources)
  get_filename_component(name ${source} NAME_WE)
  set(changed OFF)
  if(name IN_LIST changed_by_design)
    set(changed ON)
  endif()
  set(repair OFF)
  if(name IN_LIST damaged)
    set(repair ON)
  endif()
  add_test(NAME cli.rtf_round_trip_${name}
           COMMAND ${CMAKE_COMMAND} -DVENDARO=$<TARGET_FILE:vendaro> -DSOURCE=${PROJECT_SOURCE_DIR}/tests/fixtures/${source} -DCHANGED=${changed} -DREPAIR=${repair}
                   -DWORK=${CMAKE_BINARY_DIR}/test-config/rtf-round-trip-${name}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/checks/rtf_round_trip_check.cmake)
  set_tests_properties(cli.rtf_round_trip_${name} PROPERTIES TIMEOUT 120 LABELS cli
    ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
endforeach()
