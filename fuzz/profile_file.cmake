suite_add_fuzz(profile_file SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/profile_file_fuzz.cpp
               LINKS suite_core CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/profile_file)
