suite_add_fuzz(rtf SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/rtf_fuzz.cpp LINKS suite_rtf
               CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/rtf)
