#include "widgets/name_only_icons.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

namespace pf {

NameOnlyIconProvider::NameOnlyIconProvider() {
    setOptions(DontUseCustomDirectoryIcons);
    // The style's pictures need no lookup of the file's type.
    if (QStyle* style = QApplication::style()) {
        folder_ = style->standardIcon(QStyle::SP_DirIcon);
        file_ = style->standardIcon(QStyle::SP_FileIcon);
    }
}

QIcon NameOnlyIconProvider::icon(IconType type) const {
    return type == Folder ? folder_ : file_;
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir())
        return QApplication::translate("QAbstractFileIconProvider", "Folder");
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

NameOnlyIconProvider& nameOnlyIconProvider() {
    static NameOnlyIconProvider provider;
    return provider;
}

} // namespace pf
