# The settings file and the language file, as the game reads (and writes back) them.
brevanto_fuzz_target(fuzz_settings ${SRC}/platform/IniFile.cpp ${SRC}/platform/Paths.cpp
  ${SRC}/platform/SaveTarget.cpp ${SRC}/course/StrLib.cpp ${SRC}/config/model/Settings.cpp)
brevanto_fuzz_target(fuzz_language ${SRC}/platform/IniFile.cpp ${SRC}/config/model/LanguageFile.cpp)
