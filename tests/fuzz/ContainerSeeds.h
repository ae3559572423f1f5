#pragma once

#include <QString>

// The seeds of the readers of files that hold pictures, each written into `folder`:
// 68k groups (fuzz_group), TIGroups (fuzz_tig) and recovery copies (fuzz_recovery).
void groupSeeds(const QString &folder);
void tigSeeds(const QString &folder);
void recoverySeeds(const QString &folder);
