# The browser's Browser.ini, verlauf.Dat and favoriten.Dat.
if(TARGET netzleser_core)
  suite_add_fuzz(browser_files SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/browser_files_fuzz.cpp
                 LINKS netzleser_core CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/browser_files)
endif()
