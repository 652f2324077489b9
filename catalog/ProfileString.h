// Reading INI files the way the Windows profile-string functions do
// (GetPrivateProfileStringA under code page 936).
//
// The catalogues, the version file and the ignore lists were written for a Windows
// reader, so section/key matching, comments, quotes, truncation and enumeration
// limits must behave like it.  Names and values are GBK bytes and are never decoded.
// The reader comes in three parts: the line grammar, the section and key index over
// text in memory, and the file on disk with its cached copy.
#pragma once

#include "catalog/ProfileFile.h"  // IWYU pragma: export
#include "catalog/ProfileLine.h"  // IWYU pragma: export
#include "catalog/ProfileText.h"  // IWYU pragma: export
