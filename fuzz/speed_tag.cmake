suite_add_fuzz(speed_tag SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/speed_tag_fuzz.cpp LINKS suite_speech
               CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/speed_tag)
