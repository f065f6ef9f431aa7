// The user EDID rule and the bounded file read: header, both checksums, the extension count
// that decides whether the second block counts, and files of every awkward size and kind.
#include "app/edid_check.h"
#include "support/edid_files.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {
EdidCheckResult check(const QByteArray &bytes)
{
    quint8 buffer[EdidBufferSize] = {};
    const int length = qMin(bytes.size(), EdidBufferSize);
    std::memcpy(buffer, bytes.constData(), size_t(length));
    return Edid_Check(buffer, length);
}

// An endless source: a reader that asked for "everything" would never return.
class EndlessDevice : public QIODevice
{
public:
    qint64 served = 0;
    EndlessDevice() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = qMin<qint64>(max, 7); // short reads, as a pipe gives them
        std::memset(data, 0xAB, size_t(n));
        served += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};
} // namespace

class TestEdidCheck : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        const QByteArray good = EdidSample(1);
        QTest::newRow("valid, one extension") << good << int(EdidAcceptable);
        QTest::newRow("valid, no extension") << EdidSample(0) << int(EdidAcceptable);
        QTest::newRow("128 bytes, count 0")
            << EdidSample(0).left(128) << int(EdidAcceptable); // rest zero
        QTest::newRow("first byte not 00") << EdidChanged(good, 0, 1) << int(EdidNotAnEdid);
        QTest::newRow("header byte 7 not 00") << EdidChanged(good, 7, 1) << int(EdidNotAnEdid);
        QTest::newRow("header byte 3 not FF") << EdidChanged(good, 3, -1) << int(EdidNotAnEdid);
        QTest::newRow("all zero") << QByteArray(256, '\0') << int(EdidNotAnEdid);
        QTest::newRow("all FF") << QByteArray(256, '\xFF') << int(EdidNotAnEdid);
        // Header wins over checksums: a broken header with broken sums is "not an EDID".
        QTest::newRow("bad header and sum")
            << EdidChanged(EdidChanged(good, 0, 1), 20, 1) << int(EdidNotAnEdid);
        QTest::newRow("base sum off by one") << EdidChanged(good, 20, 1) << int(EdidChecksumError);
        QTest::newRow("base checksum byte wrong")
            << EdidChanged(good, 127, 1) << int(EdidChecksumError);
        QTest::newRow("extension sum wrong, count 1")
            << EdidChanged(good, 200, 1) << int(EdidChecksumError);
        QTest::newRow("extension checksum byte wrong, count 1")
            << EdidChanged(good, 255, -1) << int(EdidChecksumError);
        // More than one extension does not fit into the device's 256 bytes, whatever the sums.
        QTest::newRow("count 2, sums right") << EdidSample(2) << int(EdidTooManyBlocks);
        QTest::newRow("count 2, 384 bytes")
            << EdidSample(2) + QByteArray(128, '\0') << int(EdidTooManyBlocks);
        QTest::newRow("count 255") << EdidSample(255) << int(EdidTooManyBlocks);
        QTest::newRow("count 2, extension sum wrong")
            << EdidChanged(EdidSample(2), 200, 1) << int(EdidTooManyBlocks);
        // With no extension announced, whatever follows the base block is not examined.
        QTest::newRow("extension sum wrong, count 0")
            << EdidChanged(EdidSample(0), 200, 1) << int(EdidAcceptable);
        // Every announced block must be in the file: zeros after it are not a block.
        QTest::newRow("128 bytes, count 1") << EdidSample(1).left(128) << int(EdidIncomplete);
        QTest::newRow("255 bytes, count 1") << EdidSample(1).left(255) << int(EdidIncomplete);
        QTest::newRow("129 bytes, count 1") << EdidSample(1).left(129) << int(EdidIncomplete);
        QTest::newRow("127 bytes, count 0") << EdidSample(0).left(127) << int(EdidIncomplete);
        QTest::newRow("1 byte") << QByteArray(1, '\0') << int(EdidNotAnEdid);
        QTest::newRow("header only") << good.left(8) << int(EdidIncomplete);
        // A short file whose zero fill would complete the sums is still refused.
        QByteArray zeroChecksum = EdidSample(0).left(128);
        zeroChecksum[100] = char(quint8(zeroChecksum[100]) + quint8(zeroChecksum[127]));
        zeroChecksum[127] = 0;
        QTest::newRow("127 bytes, zero fill completes the sum")
            << zeroChecksum.left(127) << int(EdidIncomplete);
        QTest::newRow("same 128 bytes whole") << zeroChecksum << int(EdidAcceptable);
    }
    void rule()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        QCOMPARE(int(check(bytes)), result);
    }

    void readFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("read");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("1 byte") << 1 << 1;
        QTest::newRow("128 bytes") << 128 << 128;
        QTest::newRow("255 bytes") << 255 << 255;
        QTest::newRow("256 bytes") << 256 << 256;
        QTest::newRow("257 bytes") << 257 << 256;
        QTest::newRow("10 MB") << 10 * 1024 * 1024 << 256;
    }
    void readFile()
    {
        QFETCH(int, size);
        QFETCH(int, read);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.bin");
        QByteArray content(size, '\0');
        for (int i = 0; i < size; ++i)
            content[i] = char((i % 251) + 1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        quint8 buffer[EdidBufferSize];
        std::memset(buffer, 0x5A, sizeof buffer); // stale bytes must not survive
        QCOMPARE(Edid_ReadFile(path, buffer), read);
        for (int i = 0; i < EdidBufferSize; ++i)
            QCOMPARE(int(buffer[i]), i < read ? int(quint8(content[i])) : 0);
    }

    void readFile_unreadable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("empty path") << "empty";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("no permission") << "noperm";
    }
    void readFile_unreadable()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("edid.bin");
        if (kind == "empty") {
            path.clear();
        } else if (kind == "noperm") {
            QVERIFY(EdidMakePath("file", path, EdidSample(1)));
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("running as root: permissions do not keep the file closed");
        } else {
            // A pipe with no writer would block the GUI for good if it were opened.
            QVERIFY(EdidMakePath(kind, path));
        }
        quint8 buffer[EdidBufferSize];
        std::memset(buffer, 0x5A, sizeof buffer);
        QCOMPARE(Edid_ReadFile(path, buffer), -1);
        for (quint8 b : buffer)
            QCOMPARE(int(b), 0);
        QCOMPARE(int(Edid_Check(buffer, 0)), int(EdidNotAnEdid));
    }

    void read_endlessSource_stopsAt256()
    {
        EndlessDevice device;
        quint8 buffer[EdidBufferSize];
        QCOMPARE(Edid_Read(&device, buffer), EdidBufferSize);
        QCOMPARE(device.served, qint64(EdidBufferSize));
        QCOMPARE(int(buffer[0]), 0xAB);
        QCOMPARE(int(buffer[255]), 0xAB);
    }

    void read_closedDevice_leavesZero()
    {
        QBuffer closed;
        quint8 buffer[EdidBufferSize];
        std::memset(buffer, 1, sizeof buffer);
        QCOMPARE(Edid_Read(&closed, buffer), 0);
        QCOMPARE(Edid_Read(nullptr, buffer), 0);
        for (quint8 b : buffer)
            QCOMPARE(int(b), 0);
    }
};

QTEST_APPLESS_MAIN(TestEdidCheck)
#include "tst_edid_check.moc"
