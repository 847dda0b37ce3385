#include "ui/RemovalProgress.h"

#include "i18n/MessageCatalog.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

// Neither Esc nor the title bar closes it: only the removal's end does.
class CRemovalBox final : public QDialog
{
public:
    CRemovalBox(QWidget *owner, const QString &label)
        : QDialog(owner,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                | Qt::MSWindowsFixedSizeDialogHint)
    {
        setObjectName(QStringLiteral("removalProgress"));
        setWindowTitle(MessageText(Msg::CreateSettingCaption).toString());
        setWindowModality(Qt::WindowModal);
        auto *layout = new QVBoxLayout(this);
        auto *text = new QLabel(MessageText(Msg::VolumeRemoving).arg(label), this);
        text->setTextFormat(Qt::PlainText);
        layout->addWidget(text);
        auto *bar = new QProgressBar(this);
        bar->setRange(0, 0); // no measure of how far it has got: a busy bar
        bar->setTextVisible(false);
        layout->addWidget(bar);
    }

    void reject() override { }
};

} // namespace

CRemovalProgress::CRemovalProgress(QWidget *owner, IRemovableVolumes &volumes)
    : m_owner(owner)
    , m_volumes(volumes)
{ }

CRemovalProgress::~CRemovalProgress() = default;

QList<RemovableVolume> CRemovalProgress::MountedVolumes()
{
    return m_volumes.MountedVolumes();
}

void CRemovalProgress::Eject(const RemovableVolume &volume, EjectDone done)
{
    m_box = std::make_unique<CRemovalBox>(m_owner, volume.label);
    m_box->show();
    m_volumes.Eject(volume, [this, done = std::move(done)](const EjectResult &result) {
        m_box.reset();
        done(result);
    });
}
