# SPDX-License-Identifier: GPL-3.0-or-later
# Section KEYS of the settings file: the key bindings as the game reads and writes them back.
find_package(Qt6 REQUIRED COMPONENTS Gui)
brevanto_fuzz_target(fuzz_keys
  ${SRC}/platform/IniFile.cpp ${SRC}/platform/KeyText.cpp ${SRC}/config/model/KeyBindings.cpp)
target_link_libraries(fuzz_keys PRIVATE Qt6::Gui)
