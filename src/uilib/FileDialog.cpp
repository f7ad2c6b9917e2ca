#include "uilib/FileDialog.h"

#include <QFileDialog>

namespace DuiLib {

std::string CFileDialog::ToQtFilter(const std::string& filter) {
    size_t open = filter.find('(');
    if (open == std::string::npos || open == 0 || filter[open - 1] == ' ') {
        return filter;
    }
    return filter.substr(0, open) + " " + filter.substr(open);
}

bool CFileDialog::Open(const std::string& filter, std::string& path) {
    QString chosen = QFileDialog::getOpenFileName(nullptr, QString(), QString(),
                                                  QString::fromStdString(ToQtFilter(filter)));
    if (chosen.isEmpty()) {
        return false;
    }
    path = chosen.toStdString();
    return true;
}

bool CFileDialog::Save(const std::string& filter, const std::string& defaultName,
                       std::string& path) {
    QString chosen =
        QFileDialog::getSaveFileName(nullptr, QString(), QString::fromStdString(defaultName),
                                     QString::fromStdString(ToQtFilter(filter)));
    if (chosen.isEmpty()) {
        return false;
    }
    path = chosen.toStdString();
    return true;
}

}  // namespace DuiLib
