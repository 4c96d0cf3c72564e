#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <zip.h>

#include <functional>

namespace testsupport {

// Reads back a saved workbook file: its parts through libzip, their XML through QXmlStreamReader.
class XlsxReader {
public:
    explicit XlsxReader(const QString& path) : archive_(zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, nullptr)) {}
    ~XlsxReader() {
        if (archive_) zip_close(archive_);
    }
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    bool hasPart(const QString& name) const { return archive_ && zip_name_locate(archive_, name.toUtf8(), 0) >= 0; }

    QStringList sheetNames() const {
        QStringList names;
        forEach("xl/workbook.xml", [&](QXmlStreamReader& xml) {
            if (xml.name() == u"sheet") names << xml.attributes().value("name").toString();
        });
        return names;
    }

    // Cell texts of worksheet n (from 1) by address: shared strings resolved, numbers as written.
    QMap<QString, QString> cells(int sheet) const {
        QStringList strings;
        forEach("xl/sharedStrings.xml", [&](QXmlStreamReader& xml) {
            if (xml.name() == u"t") strings << xml.readElementText();
        });
        QMap<QString, QString> values;
        QString address, type;
        forEach(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"c") {
                address = xml.attributes().value("r").toString();
                type = xml.attributes().value("t").toString();
            } else if (xml.name() == u"v") {
                const QString text = xml.readElementText();
                values[address] = type == u"s" ? strings.value(text.toInt()) : text;
            }
        });
        return values;
    }

    QStringList mergedRanges(int sheet) const {
        QStringList ranges;
        forEach(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"mergeCell") ranges << xml.attributes().value("ref").toString();
        });
        return ranges;
    }

    // The top left cell of each picture of drawing n, as "row,column" counted from 0.
    QStringList pictureAnchors(int drawing) const {
        QStringList anchors;
        QString column;
        forEach(QStringLiteral("xl/drawings/drawing%1.xml").arg(drawing), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"from") {
                xml.readNextStartElement();
                column = xml.readElementText();   // col
                xml.readNextStartElement();       // colOff
                xml.skipCurrentElement();
                xml.readNextStartElement();       // row
                anchors << xml.readElementText() + QLatin1Char(',') + column;
            }
        });
        return anchors;
    }

private:
    QByteArray part(const QString& name) const {
        zip_stat_t stat;
        if (!archive_ || zip_stat(archive_, name.toUtf8().constData(), 0, &stat) != 0) return {};
        zip_file_t* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        return bytes;
    }
    // Calls fn at every start element of the part.
    void forEach(const QString& name, const std::function<void(QXmlStreamReader&)>& fn) const {
        QXmlStreamReader xml(part(name));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) fn(xml);
        }
    }

    zip_t* archive_;
};

}  // namespace testsupport
