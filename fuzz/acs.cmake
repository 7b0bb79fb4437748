suite_add_fuzz(acs SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/acs_fuzz.cpp LINKS suite_widgets
               CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/acs)
