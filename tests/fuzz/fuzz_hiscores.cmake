# SPDX-License-Identifier: GPL-3.0-or-later
# The hi-score file: its tables, entries and names, read from bytes in memory.
brevanto_fuzz_target(fuzz_hiscores ${SRC}/platform/IniFile.cpp
  ${SRC}/config/model/HiScoreTable.cpp ${SRC}/config/model/HiScoreText.cpp
  ${SRC}/config/model/HiScoreBook.cpp)
