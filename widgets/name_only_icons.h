#pragma once
// Icons and type names for the file dialogs, decided by the file name alone.
// Qt's own provider looks into each listed file to tell its type; a file of
// the kernel such as /proc/kmsg never finishes reading, and the dialog (with
// the unsaved results behind it) would wait for good.

#include <QAbstractFileIconProvider>

namespace pf {

class NameOnlyIconProvider : public QAbstractFileIconProvider {
public:
    NameOnlyIconProvider();

    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    // Made once on the user-interface thread; the dialog's gatherer thread
    // only copies them.
    QIcon folder_;
    QIcon file_;
};

// The one provider every file dialog of the program uses (made on first use,
// which must be on the user-interface thread).
NameOnlyIconProvider& nameOnlyIconProvider();

} // namespace pf
