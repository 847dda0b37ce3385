#pragma once

#include "core/file/AtomicFile.h"
#include "core/model/SettingsDocument.h"
#include "core/volumes/RemovableVolumes.h"

// The one name the reader device looks for.
inline constexpr QStringView SettingsFileName = u"NetworkSetting.ini";

// The settings file inside `folder`; a folder that already ends in a separator (a drive root)
// gets none added.
QString SettingsFilePathInFolder(const QString &folder);

// Where the file commands ask the user for a location. The window implements it with the host's
// file dialogs, tests with a script. An empty answer means the user cancelled.
class IPathChooser
{
public:
    virtual ~IPathChooser() = default;
    // An existing settings file to load.
    virtual QString ChooseFileToOpen(const QString &startFolder) = 0;
    // A folder to create the settings file in, opening on `startFolder`.
    virtual QString ChooseFolder(const QString &startFolder) = 0;
};

// "Load settings": asks for a file, loads it with its checks and reports how the load ended.
void LoadSettingsCommand(CSettingsDocument &document, IMessageBox &box, IPathChooser &chooser);

// "Create Setting file": checks the network folder and wired values, asks for a folder (which
// becomes the last path), confirms an overwrite, writes the file and reads it back from the
// medium: success is reported only for the file meant. When the folder is on a removable volume
// that `volumes` can remove, the success message offers to remove it safely; the removal's
// outcome may be reported after this returns.
void CreateSettingFileCommand(CSettingsDocument &document, IMessageBox &box, IPathChooser &chooser,
    IRemovableVolumes &volumes = NoRemovableVolumes(), IFileSteps &steps = DefaultFileSteps());
