// Writes the empty record file "Fiches.gro" that ships beside the program: the
// program itself only ever opens it. An existing file is kept untouched (it may
// hold records) apart from its modification time, so that the build sees it as up
// to date.
#include "pregnancy/PregnancyRecordStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: " << QFileInfo(args.value(0)).fileName() << " <record file>\n";
        return 2;
    }
    const QString path = args.at(1);
    if (QFileInfo::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
        return 0;
    }
    if (PregnancyRecordStore::createEmpty(path) != RecordStoreStatus::Ok) {
        err << "cannot create " << path << "\n";
        return 1;
    }
    return 0;
}
