# The key notation of netzleser's key sender, parsed with the fixed keyboard layouts.
if(TARGET netzleser_keys)
  suite_add_fuzz(keys SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/keys_fuzz.cpp LINKS netzleser_keys
                 CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/keys)
  foreach(target keys_fuzz keys_replay)
    if(TARGET ${target})
      target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fakes/FakeKeyboardLayout.cpp)
      target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    endif()
  endforeach()
endif()
