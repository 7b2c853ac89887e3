// SPDX-License-Identifier: MIT
// Reads back the compiled Windows resources (a .res file made by windres from velmora.rc).
#include "identity.h"

#include <QFile>
#include <QMap>
#include <QTest>

namespace {

constexpr quint16 kIconType = 3;
constexpr quint16 kIconGroupType = 14;
constexpr quint16 kVersionType = 16;

quint32 readLittleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}
quint16 word(const QByteArray &b, qsizetype at)
{
    return static_cast<quint16>(readLittleEndian(b, at, 2));
}
quint32 dword(const QByteArray &b, qsizetype at)
{
    return readLittleEndian(b, at, 4);
}
qsizetype alignedTo4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// A null-terminated UTF-16 text; moves `at` past it.
QString utf16At(const QByteArray &bytes, qsizetype &at)
{
    QString text;
    while (const quint16 unit = word(bytes, at)) {
        text.append(QChar(unit));
        at += 2;
    }
    at += 2;
    return text;
}

struct Resource
{
    quint16 type = 0;
    quint16 name = 0;
    quint16 language = 0;
    QByteArray data;
};

// The entries of a .res file whose type and name are numbers, as all of ours are.
QList<Resource> readResources(const QByteArray &file)
{
    QList<Resource> resources;
    qsizetype at = 0;
    while (at + 32 <= file.size()) {
        const quint32 dataSize = dword(file, at);
        const quint32 headerSize = dword(file, at + 4);
        Resource resource;
        if (word(file, at + 8) == 0xFFFF && word(file, at + 12) == 0xFFFF) {
            resource.type = word(file, at + 10);
            resource.name = word(file, at + 14);
            resource.language = word(file, at + 8 + 8 + 4 + 2);
        }
        resource.data = file.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            resources.append(resource);
        at = alignedTo4(at + headerSize + dataSize);
    }
    return resources;
}

// One node of a version block: a key, its value, and its children.
struct VersionNode
{
    QString key;
    QByteArray value;
    bool textValue = false;
    QList<VersionNode> children;

    const VersionNode *child(const QString &name) const
    {
        for (const VersionNode &node : children) {
            if (node.key == name)
                return &node;
        }
        return nullptr;
    }
    QString text() const
    {
        QString result;
        for (qsizetype i = 0; i + 1 < value.size(); i += 2) {
            if (const quint16 unit = word(value, i))
                result.append(QChar(unit));
        }
        return result;
    }
};

VersionNode readVersionNode(const QByteArray &bytes, qsizetype start)
{
    const quint16 length = word(bytes, start);
    const quint16 valueLength = word(bytes, start + 2);
    VersionNode node;
    node.textValue = word(bytes, start + 4) == 1;
    qsizetype at = start + 6;
    node.key = utf16At(bytes, at);
    at = alignedTo4(at);
    const qsizetype valueBytes = node.textValue ? valueLength * 2 : valueLength;
    node.value = bytes.mid(at, valueBytes);
    at = alignedTo4(at + valueBytes);
    while (at < start + length) {
        node.children.append(readVersionNode(bytes, at));
        at = alignedTo4(at + word(bytes, at));
    }
    return node;
}

const Resource *find(const QList<Resource> &resources, quint16 type, quint16 name)
{
    for (const Resource &resource : resources) {
        if (resource.type == type && resource.name == name)
            return &resource;
    }
    return nullptr;
}

} // namespace

class TestWindowsResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(VELMORA_RES_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        resources = readResources(file.readAll());
        const Resource *version = find(resources, kVersionType, 1);
        QVERIFY(version);
        root = readVersionNode(version->data, 0);
        QCOMPARE(root.key, QStringLiteral("VS_VERSION_INFO"));
    }

    void versionStrings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("Comments") << "Comments"
                                  << "Calcula el número del DNI";
        QTest::newRow("FileDescription") << "FileDescription"
                                         << "Calcula la letra del DNI";
        QTest::newRow("ProductName") << "ProductName"
                                     << "Velmora";
        QTest::newRow("InternalName") << "InternalName"
                                      << "Velmora";
        QTest::newRow("OriginalFilename") << "OriginalFilename"
                                          << "Velmora.exe";
        QTest::newRow("FileVersion") << "FileVersion"
                                     << "1.00";
        QTest::newRow("ProductVersion") << "ProductVersion"
                                        << "1.00";
        QTest::newRow("CompanyName") << "CompanyName" << VELMORA_WEB_ADDRESS;
        QTest::newRow("LegalTrademarks") << "LegalTrademarks" << VELMORA_WEB_ADDRESS;
        QTest::newRow("LegalCopyright") << "LegalCopyright" << VELMORA_RIGHTS_LINE;
    }
    void versionStrings()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        const VersionNode *info = root.child(QStringLiteral("StringFileInfo"));
        QVERIFY(info);
        QCOMPARE(info->children.size(), 1);
        const VersionNode &table = info->children.front();
        QCOMPARE(table.key, QStringLiteral("0C0A04B0"));
        QCOMPARE(table.children.size(), 10);
        const VersionNode *entry = table.child(key);
        QVERIFY(entry);
        QVERIFY(entry->textValue);
        QCOMPARE(entry->text(), value);
    }

    void translationPair()
    {
        const VersionNode *var = root.child(QStringLiteral("VarFileInfo"));
        QVERIFY(var);
        const VersionNode *translation = var->child(QStringLiteral("Translation"));
        QVERIFY(translation);
        QCOMPARE(translation->value.size(), 4);
        QCOMPARE(word(translation->value, 0), quint16(0x0C0A));
        QCOMPARE(word(translation->value, 2), quint16(0x04B0));
    }

    void fixedPart()
    {
        const QByteArray &fixed = root.value;
        QCOMPARE(fixed.size(), 52);
        QCOMPARE(dword(fixed, 0), 0xFEEF04BDU);  // signature
        QCOMPARE(dword(fixed, 8), 0x00010000U);  // file version 1.0
        QCOMPARE(dword(fixed, 12), 0U);          // .0.0
        QCOMPARE(dword(fixed, 16), 0x00010000U); // product version 1.0
        QCOMPARE(dword(fixed, 20), 0U);
        QCOMPARE(dword(fixed, 28), 0U); // no flags
        QCOMPARE(dword(fixed, 32), 4U); // 32-bit Windows
        QCOMPARE(dword(fixed, 36), 1U); // application
    }

    void iconGroupHoldsOne48x48TrueColourImage()
    {
        const Resource *group = find(resources, kIconGroupType, 1);
        QVERIFY(group);
        const QByteArray &g = group->data;
        QCOMPARE(g.size(), 6 + 14);
        QCOMPARE(word(g, 2), quint16(1)); // icon, not cursor
        QCOMPARE(word(g, 4), quint16(1)); // one image
        QCOMPARE(quint8(g[6]), quint8(48));
        QCOMPARE(quint8(g[7]), quint8(48));
        QCOMPARE(word(g, 10), quint16(1));  // planes
        QCOMPARE(word(g, 12), quint16(24)); // bits per pixel
        QCOMPARE(word(g, 18), quint16(30001));

        const Resource *image = find(resources, kIconType, 30001);
        QVERIFY(image);
        const QByteArray &bitmap = image->data;
        QCOMPARE(dword(g, 14), quint32(bitmap.size()));
        QCOMPARE(dword(bitmap, 0), 40U);         // BITMAPINFOHEADER
        QCOMPARE(dword(bitmap, 4), 48U);         // width
        QCOMPARE(dword(bitmap, 8), 96U);         // colour and mask
        QCOMPARE(word(bitmap, 14), quint16(24)); // bits per pixel
        // Header, 48 rows of 144 colour bytes, 48 rows of 8 mask bytes.
        QCOMPARE(bitmap.size(), 40 + 48 * 144 + 48 * 8);
        const QByteArray mask = bitmap.mid(40 + 48 * 144);
        QVERIFY2(mask.count(char(0)) < mask.size(), "the mask makes nothing transparent");
        QVERIFY2(mask.count(char(0xFF)) < mask.size(), "the mask hides the whole icon");
    }

private:
    QList<Resource> resources;
    VersionNode root;
};

QTEST_APPLESS_MAIN(TestWindowsResources)
#include "tst_windowsresources.moc"
