#pragma once

#include "core/file/AtomicFile.h"
#include "core/model/SettingsDocument.h"

class CProfileFile;

inline constexpr QStringView StateFileName = u"MeridockSettingUtil.dat";

// Full path of the state file: directly in the user's configuration folder ($XDG_CONFIG_HOME,
// else ~/.config; %APPDATA% on Windows), or in the program's own folder when none is found.
QString StateFilePath();

// The extra section of the state file: last folder and the network-folder values.
void ComposeFolderState(CSettingsDocument &document, CProfileFile &file);

// Start of a run: resets the document and the window-held values, then reads the state file
// (settings first, then the extra section). Messages about bad values go through `box`.
// A state file that cannot be used at all starts the run as a missing one would.
void OpenSession(CSettingsDocument &document, IMessageBox &box, const QString &stateFilePath);
// End of a run, however the window closes: silent checks, then the settings and the extra
// section written to the state file as one replacement, readable by its owner only. Shows
// nothing; the result says whether the state file was written, and if not, why.
FileWriteResult CloseSession(CSettingsDocument &document);
