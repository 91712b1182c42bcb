# Hyphenation patterns: german0.hyp and english0.hyp from Debian's hyphen-de
# and hyphen-en-us dictionaries, built into the ProgramDir and installed with
# the program.
set(VENDARO_HYPHEN_GERMAN_SOURCE /usr/share/hyphen/hyph_de_DE.dic
    CACHE FILEPATH "Hyphenation dictionary converted into german0.hyp")
set(VENDARO_HYPHEN_ENGLISH_SOURCE /usr/share/hyphen/hyph_en_US.dic
    CACHE FILEPATH "Hyphenation dictionary converted into english0.hyp")

# The converter shares the ".hyp" writer with the program and takes the code
# page and letter-case functions from their units, without their layers.
add_executable(make_hyp
  ${CMAKE_CURRENT_LIST_DIR}/make_hyp.cpp
  ${PROJECT_SOURCE_DIR}/src/layout/hyphen_pattern_file.cpp
  ${PROJECT_SOURCE_DIR}/src/document/text_case.cpp)
target_include_directories(make_hyp PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(make_hyp PRIVATE vendaro_platform)
vendaro_data_files(hyphenation_patterns make_hyp
  "german0.hyp|${VENDARO_HYPHEN_GERMAN_SOURCE}" "english0.hyp|${VENDARO_HYPHEN_ENGLISH_SOURCE}")
