// Where the program's two tables are: the material table zaidat.dst and the design
// coefficients keisuu.dat. The user's own copy in the user's data folder wins when there
// is one; otherwise the file in the program's folder is used, as always. A change is
// written where it was read from while that folder may be written; a table of a program
// folder the user may not write (an installed program) is written to the user's folder,
// so the next start reads the user's copy.
#pragma once

#include <QString>

// The names the settings, the recovery files and the user's tables are kept under.
void SetProgramNames();

// The user's data folder (~/.local/share/torsion-spring/torsion-spring, under
// $XDG_DATA_HOME when that is set).
QString UserDataFolder();

// True when the permission bits of the folder let this user create files in it. Root
// is held to the bits as well, so a folder that nobody may write stays untouched.
bool FolderWritableByUser(const QString& folder);

// The file the program reads: the user's copy when it exists, otherwise the one in
// the program's folder (which may be missing).
QString DataFileToRead(const QString& programFolder, const QString& name);

// The file a change is written to: the user's copy when it exists; the program's
// folder unless it is a folder the user may not write; otherwise the user's folder.
// MakeFolderOf creates that folder before the write.
QString DataFileToWrite(const QString& programFolder, const QString& name);

// Creates the user's data folder when the file is to be written there and it is
// missing; any other folder is left to the write, which reports a missing one.
void MakeFolderOf(const QString& file);

// The line an editor shows about its file: "ファイル: …" when it is read and written in
// one place, otherwise where it is read from and where a change goes (two lines).
QString DataFilePlaceText(const QString& readFrom, const QString& writeTo);
