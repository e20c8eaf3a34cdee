#include "ui/CsvFileWriter.h"
#include "ui/FileUtilFactory.h"
#include "ui/IFileUtil.h"
#include "ui/IMessageBoxesFileOperation.h"
#include "ui/IconRecolouring.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesFileOperation.h"
#include "ui/TextFileWriter.h"
#include "ui/VornFileDialog.h"

#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScopedTestSettings.h"

#include <QDir>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings.clear(); }

    void foldersAreRememberedPerContext()
    {
        FakeFileDialogPresenter dialogs;
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("data"));
        const QString data = tmp.filePath("data");

        VornFileDialog first("DryingResult");
        dialogs.queueAnswer(data + "/run1.csv");
        QCOMPARE(first.getSavePath(VornFileDialog::nameFilter(0)), data + "/run1.csv");
        QCOMPARE(dialogs.last().directory, QDir::homePath());
        QCOMPARE(dialogs.last().nameFilters, QStringList("CSV files (*.csv)"));
        QCOMPARE(dialogs.last().acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(dialogs.last().fileMode, QFileDialog::AnyFile);
        QCOMPARE(QSettings().value("SavedFilePaths/DryingResult").toString(), data);

        // Cancelled: empty path, the remembered folder stays.
        VornFileDialog second("DryingResult");
        QCOMPARE(second.getOpenPath(VornFileDialog::nameFilter(0)), QString());
        QCOMPARE(dialogs.last().directory, data);
        QCOMPARE(dialogs.last().acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(dialogs.last().fileMode, QFileDialog::ExistingFile);
        QCOMPARE(VornFileDialog("DryingResult").lastFolder(), data);

        // Case-sensitive keys; other contexts and the empty key keep the default.
        QCOMPARE(VornFileDialog("dryingresult").lastFolder(), QDir::homePath());
        QCOMPARE(askSaveTextPath("TerminalLogsRaw", 2), QString());
        QCOMPARE(dialogs.last().directory, QDir::homePath());
        QCOMPARE(dialogs.last().nameFilters, QStringList("TXT files (*.txt)"));

        VornFileDialog unnamed("");
        dialogs.queueAnswer(data + "/x.json");
        QCOMPARE(unnamed.getOpenPath(VornFileDialog::nameFilter(1)), data + "/x.json");
        QCOMPARE(VornFileDialog("").lastFolder(), QDir::homePath());
    }

    void nameFilters()
    {
        QCOMPARE(VornFileDialog::nameFilter(1), QString("JSON files (*.json)"));
        QCOMPARE(VornFileDialog::nameFilter(3), QString("Image files (*.png)"));
        QCOMPARE(VornFileDialog::nameFilter(4), QString());
        QCOMPARE(VornFileDialog::nameFilter(-1), QString());
    }

    void fileUtilsOpenOrTellTheUser()
    {
        FakeFileDialogPresenter dialogs;
        FakeMessageBoxPresenter boxes;
        MessageBoxContext context;
        Common::MessageBoxesFileOperation messages(&context);
        Common::FileUtilFactory factory(&messages);
        QTemporaryDir tmp;

        // Cancel: no file, no message.
        QVERIFY(!factory.createLoadUtil("DryingResult", 0)->prepare());
        QVERIFY(boxes.shown().isEmpty());

        // Missing file and a folder that does not exist: the error box.
        dialogs.queueAnswer(tmp.filePath("missing.csv"));
        QVERIFY(!factory.createLoadUtil("DryingResult", 0)->prepare());
        dialogs.queueAnswer(tmp.filePath("no/such/folder/run.csv"));
        QVERIFY(!factory.createSaveUtil("DryingResult", 0)->prepare());
        dialogs.queueAnswer(tmp.path());
        QVERIFY(!factory.createSaveUtil("DryingResult", 0)->prepare());
        // A read-only file (root may write it anyway, so only checked without root).
        int expectedBoxes = 3;
        if (geteuid() != 0) {
            const QString readOnly = tmp.filePath("locked.csv");
            writeAll(readOnly, "kept\n");
            QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
            dialogs.queueAnswer(readOnly);
            QVERIFY(!factory.createSaveUtil("DryingResult", 0)->prepare());
            QCOMPARE(readAll(readOnly), QByteArray("kept\n"));
            ++expectedBoxes;
        }
        QCOMPARE(boxes.shown().size(), expectedBoxes);
        for (const MessageBoxRequest& box : boxes.shown()) {
            QCOMPARE(box.icon, QMessageBox::Warning);
            QCOMPARE(box.text, QString("There was an error while trying to open a file"));
        }

        // Overwriting a longer file leaves nothing of it behind.
        const QString path = tmp.filePath("run.csv");
        writeAll(path, "a much longer old content\n");
        dialogs.queueAnswer(path);
        auto save = factory.createSaveUtil("DryingResult", 0);
        QVERIFY(save->prepare());
        save->device()->write("new\n");
        QVERIFY(save->close());
        QCOMPARE(readAll(path), QByteArray("new\n"));

        dialogs.queueAnswer(path);
        auto load = factory.createLoadUtil("DryingResult", 0);
        QVERIFY(load->prepare());
        QCOMPARE(load->device()->readAll(), QByteArray("new\n"));
        QVERIFY(load->close());
        QCOMPARE(boxes.shown().size(), expectedBoxes);
    }

    void failedWritesAreReported()
    {
        FakeFileDialogPresenter dialogs;
        FakeMessageBoxPresenter boxes;
        MessageBoxContext context;
        Common::MessageBoxesFileOperation messages(&context);
        QTemporaryDir tmp;

        Common::FileUtilFactory factory(&messages);
        dialogs.queueAnswer(tmp.filePath("util.csv"));
        auto save = factory.createSaveUtil("DryingResult", 0);
        QVERIFY(save->prepare());
        dialogs.queueAnswer(tmp.filePath("big.csv"));
        auto big = factory.createSaveUtil("DryingResult", 0);
        QVERIFY(big->prepare());
        TextFileWriter writer;
        QVERIFY(writer.open(tmp.filePath("writer.txt")));

        FileSizeLimit limit(16);
        save->device()->write(QByteArray(1000, 'x'));
        QVERIFY(!save->close());
        // Too big for the file's buffer: the write itself comes back short,
        // with no error, and the flush has nothing left.
        QCOMPARE(big->device()->write(QByteArray(100000, 'x')), qint64(16));
        QVERIFY(!big->close());
        writer.write(QString(1000, 'x'));
        QVERIFY(!writer.close());
        // Nothing was put in place, and nothing written is left beside it.
        QCOMPARE(filesIn(tmp.path()), QStringList());
    }

    void textFileWriter()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath("log.txt");
        writeAll(path, "old content that is longer than the new one\r\n");

        TextFileWriter writer;
        QVERIFY(writer.open(path));
        writer.writeLine(QString::fromUtf8("zażółć gęślą jaźń"));
        writer.write("end");
        QVERIFY(writer.close());
        QCOMPARE(readAll(path), QString::fromUtf8("zażółć gęślą jaźń\nend").toUtf8());

        // Written to, then abandoned without close(): the old file stays
        // byte for byte, with nothing beside it.
        const QByteArray saved = readAll(path);
        {
            TextFileWriter abandoned;
            QVERIFY(abandoned.open(path));
            abandoned.writeLine("cut short");
            CsvFileWriter abandonedRows;
            QVERIFY(abandonedRows.open(path));
            QVERIFY(abandonedRows.writeRow({"cut", "short"}));
        }
        QCOMPARE(readAll(path), saved);
        QCOMPARE(filesIn(tmp.path()), QStringList{"log.txt"});

        QVERIFY(!TextFileWriter().open(tmp.filePath("no/such/folder/log.txt")));
        QVERIFY(!TextFileWriter().open(tmp.path()));

        const QString csv = tmp.filePath("log.csv");
        CsvFileWriter rows;
        QVERIFY(rows.open(csv));
        rows.setSeparator("\t");
        QVERIFY(rows.writeRow({"a", "b"}));
        QVERIFY(rows.close());
        QCOMPARE(readAll(csv), QByteArray("a\tb\t\n"));
        QVERIFY(!CsvFileWriter().open(tmp.filePath("no/dir.csv")));
    }

    void recolouringKeepsTheShape()
    {
        QPixmap shape(8, 8);
        shape.fill(Qt::transparent);
        QPainter painter(&shape);
        painter.fillRect(0, 0, 4, 8, QColor(10, 200, 30));
        painter.fillRect(4, 0, 2, 8, QColor(10, 200, 30, 128));
        painter.end();

        QToolButton button;
        button.setIconSize(QSize(8, 8));
        button.setIcon(QIcon(shape));
        paintButtonIcon(&button, 0xFF9944);
        QImage orange = button.icon().pixmap(8, 8).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(orange.pixel(1, 1), qRgba(0xFF, 0x99, 0x44, 255));
        QCOMPARE(qAlpha(orange.pixel(7, 7)), 0);

        paintButtonIconBlack(&button);
        const QImage black =
            button.icon().pixmap(8, 8).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(black.pixel(1, 1), qRgba(0, 0, 0, 255));
        QVERIFY(qAbs(qAlpha(black.pixel(5, 1)) - 128) <= 1);
        QCOMPARE(qAlpha(black.pixel(7, 1)), 0);

        paintButtonIconWhite(&button);
        const QImage white =
            button.icon().pixmap(8, 8).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(white.pixel(0, 7), qRgba(255, 255, 255, 255));

        QVERIFY(recolourIcon(QIcon(), 0x000000, QSize(8, 8)).isNull());
    }

private:
    ScopedTestSettings m_settings;
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
