# SPDX-License-Identifier: GPL-3.0-or-later
# The settings file and the language file, as the game reads (and writes back) them.
brevanto_fuzz_target(fuzz_settings ${SRC}/platform/IniFile.cpp ${SRC}/platform/Paths.cpp
  ${SRC}/platform/SaveTarget.cpp ${SRC}/course/StrLib.cpp ${SRC}/config/model/Settings.cpp)
# The settings carry the key bindings, whose text is the toolkit's.
find_package(Qt6 REQUIRED COMPONENTS Gui)
target_sources(fuzz_settings PRIVATE ${SRC}/config/model/KeyBindings.cpp ${SRC}/platform/KeyText.cpp)
target_link_libraries(fuzz_settings PRIVATE Qt6::Gui)
brevanto_fuzz_target(fuzz_language ${SRC}/platform/IniFile.cpp ${SRC}/config/model/LanguageFile.cpp)
