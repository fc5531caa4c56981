# The reader of the rich-text tips file, its tests and its fuzz target.
# Included from app/CMakeLists.txt; paths are relative to this file.

find_package(Qt6 REQUIRED COMPONENTS Gui)

add_library(calorix_rtf STATIC
    ${CMAKE_CURRENT_LIST_DIR}/font_choice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_choice.h
    ${CMAKE_CURRENT_LIST_DIR}/regular_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regular_file.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_control_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_control_words.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_document_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_document_writer.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_interpreter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_interpreter.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_tables.h
    ${CMAKE_CURRENT_LIST_DIR}/rtf_tokenizer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_tokenizer.h)
target_include_directories(calorix_rtf PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(calorix_rtf PUBLIC Qt6::Gui)

calorix_add_test(rtf_reader_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/rtf_reader_test.cpp
    LIBS calorix_rtf Qt6::Gui)
target_compile_definitions(rtf_reader_test PRIVATE
    CALORIX_RTF_CORPUS_DIR="${CMAKE_CURRENT_LIST_DIR}/rtf_fuzz_corpus"
    CALORIX_RTF_REGRESSIONS_DIR="${CMAKE_CURRENT_LIST_DIR}/rtf_fuzz_regressions"
    CALORIX_TIPS_FILE="${CMAKE_CURRENT_LIST_DIR}/tips.rtf")

calorix_add_test(rtf_tokenizer_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/rtf_tokenizer_test.cpp
    LIBS calorix_rtf)

calorix_add_test(font_choice_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/font_choice_test.cpp
    LIBS calorix_rtf Qt6::Gui)

# libFuzzer target: cmake -DCALORIX_FUZZ=ON with clang, then
#   LSAN_OPTIONS=suppressions=.ci/lsan.supp \
#   ./rtf_reader_fuzz -max_len=4096 <new corpus dir> app/rtf_fuzz_corpus
# (fontconfig keeps its caches, which the leak checker would take for leaks).
option(CALORIX_FUZZ "Build the libFuzzer target of the RTF reader (clang only)" OFF)
if(CALORIX_FUZZ)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # The reader is compiled into the target itself so that it carries
        # the fuzzer's coverage instrumentation.
        add_executable(rtf_reader_fuzz
            ${CMAKE_CURRENT_LIST_DIR}/rtf_reader_fuzz.cpp
            ${CMAKE_CURRENT_LIST_DIR}/font_choice.cpp
            ${CMAKE_CURRENT_LIST_DIR}/regular_file.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_control_words.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_document_writer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_interpreter.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_tables.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rtf_tokenizer.cpp)
        target_include_directories(rtf_reader_fuzz PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
        target_link_libraries(rtf_reader_fuzz PRIVATE Qt6::Gui)
        target_compile_options(rtf_reader_fuzz PRIVATE
            -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer
            -fno-sanitize-recover=undefined)
        target_link_options(rtf_reader_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    else()
        message(WARNING "CALORIX_FUZZ needs clang; the RTF fuzz target is not built")
    endif()
endif()
