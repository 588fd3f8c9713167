# SPDX-License-Identifier: GPL-3.0-or-later
# The two sheet pictures: BMP loading with the ground colour, and drawing the field and a car
# from whatever sheet was accepted.
find_package(Qt6 REQUIRED COMPONENTS Gui)
brevanto_fuzz_target(fuzz_bmp
  ${SRC}/platform/Sheets.cpp ${SRC}/platform/Blit.cpp ${SRC}/platform/Canvas.cpp
  ${SRC}/platform/TextCodec.cpp ${SRC}/platform/IniFile.cpp ${SRC}/platform/Random.cpp
  ${SRC}/course/StrLib.cpp ${SRC}/course/CourseParser.cpp ${SRC}/course/TMap.cpp ${SRC}/course/TMapDraw.cpp
  ${SRC}/cars/TCar.cpp ${SRC}/cars/TCarDraw.cpp)
target_link_libraries(fuzz_bmp PRIVATE Qt6::Gui)
