# Word lists: german.spe and english.spe from Debian's wngerman and wamerican
# lists, built into the ProgramDir and installed with the program.
set(VENDARO_WORDS_GERMAN_SOURCE /usr/share/dict/ngerman
    CACHE FILEPATH "Word list (UTF-8, one word per line) converted into german.spe")
set(VENDARO_WORDS_ENGLISH_SOURCE /usr/share/dict/american-english
    CACHE FILEPATH "Word list (UTF-8, one word per line) converted into english.spe")

# The converter shares the ".spe" writer and the list order with the program.
add_executable(make_spe ${CMAKE_CURRENT_LIST_DIR}/make_spe.cpp)
target_link_libraries(make_spe PRIVATE vendaro_spelling)
vendaro_data_files(word_lists make_spe
  "german.spe|${VENDARO_WORDS_GERMAN_SOURCE}" "english.spe|${VENDARO_WORDS_ENGLISH_SOURCE}")
