// SPDX-License-Identifier: MIT
// Reads back the compiled Windows resources (a .res file made by windres from velmora.rc).
#include "identity.h"

#include <QFile>
#include <QTest>

namespace {

quint32 le(const QByteArray &bytes, qsizetype at, int size = 2)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}
qsizetype alignedTo4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

struct Resource
{
    quint32 type, name;
    QByteArray data;
};

// The entries of a .res file, all of whose types and names are numbers.
QList<Resource> readResources(const QByteArray &file)
{
    QList<Resource> resources;
    for (qsizetype at = 0; at + 32 <= file.size();) {
        const quint32 dataSize = le(file, at, 4);
        const quint32 headerSize = le(file, at + 4, 4);
        if (dataSize > 0)
            resources.append(
                {le(file, at + 10), le(file, at + 14), file.mid(at + headerSize, dataSize)});
        at = alignedTo4(at + headerSize + dataSize);
    }
    return resources;
}

// A node of a version block: its key, its value and its children.
struct Node
{
    QString key;
    QByteArray value;
    QList<Node> children;

    Node child(const QString &name) const
    {
        for (const Node &node : children) {
            if (node.key == name)
                return node;
        }
        return {};
    }
    QString text() const
    {
        QString result;
        for (qsizetype i = 0; i + 1 < value.size() && le(value, i) != 0; i += 2)
            result.append(QChar(le(value, i)));
        return result;
    }
};

Node readNode(const QByteArray &bytes, qsizetype start)
{
    Node node;
    qsizetype at = start + 6;
    while (const quint32 unit = le(bytes, at)) {
        node.key.append(QChar(unit));
        at += 2;
    }
    at = alignedTo4(at + 2);
    const bool isText = le(bytes, start + 4) == 1;
    const qsizetype valueBytes = le(bytes, start + 2) * (isText ? 2 : 1);
    node.value = bytes.mid(at, valueBytes);
    for (at = alignedTo4(at + valueBytes); at < start + le(bytes, start);
         at = alignedTo4(at + le(bytes, at)))
        node.children.append(readNode(bytes, at));
    return node;
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
        const QByteArray version = find(16, 1); // RT_VERSION
        QVERIFY(!version.isEmpty());
        root = readNode(version, 0);
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
        const Node info = root.child(QStringLiteral("StringFileInfo"));
        QCOMPARE(info.children.size(), 1);
        const Node table = info.children.front();
        QCOMPARE(table.key, QStringLiteral("0C0A04B0"));
        QCOMPARE(table.children.size(), 10);
        QCOMPARE(table.child(key).text(), value);
    }

    void translationPairAndFixedPart()
    {
        const QByteArray pair =
            root.child(QStringLiteral("VarFileInfo")).child(QStringLiteral("Translation")).value;
        QCOMPARE(pair.size(), 4);
        QCOMPARE(le(pair, 0), 0x0C0AU);
        QCOMPARE(le(pair, 2), 0x04B0U);

        const QByteArray &fixed = root.value;
        QCOMPARE(fixed.size(), 52);
        QCOMPARE(le(fixed, 0, 4), 0xFEEF04BDU);
        const quint32 expected[] = {0x00010000, 0, 0x00010000, 0, 0x3F, 0, 4, 1, 0};
        for (int i = 0; i < 9; ++i) // versions 1.0.0.0, flags none, 32-bit Windows, application
            QCOMPARE(le(fixed, 8 + 4 * i, 4), expected[i]);
    }

    void iconGroupHoldsOne48x48TrueColourImage()
    {
        const QByteArray group = find(14, 1); // RT_GROUP_ICON
        QCOMPARE(group.size(), 6 + 14);
        QCOMPARE(le(group, 2), 1U);      // icon, not cursor
        QCOMPARE(le(group, 4), 1U);      // one image
        QCOMPARE(le(group, 6), 0x3030U); // 48 x 48
        QCOMPARE(le(group, 12), 24U);    // bits per pixel
        QCOMPARE(le(group, 18), 30001U);

        const QByteArray image = find(3, 30001); // RT_ICON
        QCOMPARE(le(group, 14, 4), quint32(image.size()));
        QCOMPARE(le(image, 4, 4), 48U);
        QCOMPARE(le(image, 8, 4), 96U); // colour and mask
        QCOMPARE(le(image, 14), 24U);
        // Header, 48 rows of 144 colour bytes, 48 rows of 8 mask bytes.
        QCOMPARE(image.size(), 40 + 48 * 144 + 48 * 8);
        const QByteArray mask = image.mid(40 + 48 * 144);
        QVERIFY2(mask.count(char(0)) < mask.size(), "the mask makes nothing transparent");
        QVERIFY2(mask.count(char(0xFF)) < mask.size(), "the mask hides the whole icon");
    }

private:
    QByteArray find(quint32 type, quint32 name) const
    {
        for (const Resource &resource : resources) {
            if (resource.type == type && resource.name == name)
                return resource.data;
        }
        return {};
    }

    QList<Resource> resources;
    Node root;
};

QTEST_APPLESS_MAIN(TestWindowsResources)
#include "tst_windowsresources.moc"
