#pragma once

#include "core/volumes/RemovableVolumes.h"

#include <memory>

class QDialog;
class QWidget;

// The host's volumes as the window uses them: while a removal runs, a window-modal box over
// `owner` says so. The window goes on repainting but takes no command, so the same removal (or a
// Create that would write to the card) cannot start meanwhile; the box closes before the outcome
// is reported.
class CRemovalProgress final : public IRemovableVolumes
{
public:
    CRemovalProgress(QWidget *owner, IRemovableVolumes &volumes);
    ~CRemovalProgress() override;

    QList<RemovableVolume> MountedVolumes() override;
    void Eject(const RemovableVolume &volume, EjectDone done) override;

private:
    QWidget *m_owner;
    IRemovableVolumes &m_volumes;
    std::unique_ptr<QDialog> m_box;
};
