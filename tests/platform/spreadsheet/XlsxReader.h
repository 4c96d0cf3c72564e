#pragma once

// Reads back a saved workbook file: its parts through libzip, their XML through QXmlStreamReader.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <zip.h>

namespace testsupport {

class XlsxReader {
public:
    explicit XlsxReader(const QString& path) {
        int error = 0;
        archive_ = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    }
    ~XlsxReader() {
        if (archive_) zip_close(archive_);
    }
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    bool isOpen() const { return archive_ != nullptr; }

    QStringList parts() const {
        QStringList names;
        for (zip_int64_t i = 0; archive_ && i < zip_get_num_entries(archive_, 0); ++i) {
            names << QString::fromUtf8(zip_get_name(archive_, i, 0));
        }
        return names;
    }

    QByteArray part(const QString& name) const {
        zip_stat_t stat;
        if (!archive_ || zip_stat(archive_, name.toUtf8().constData(), 0, &stat) != 0) return {};
        zip_file_t* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
        if (!file) return {};
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        return bytes;
    }

    // The names of the worksheets in order.
    QStringList sheetNames() const {
        QStringList names;
        forEachElement(part("xl/workbook.xml"), "sheet", [&](QXmlStreamReader& xml) {
            names << xml.attributes().value("name").toString();
        });
        return names;
    }

    // Cell texts of a worksheet (from 1) by address: shared strings resolved, numbers as written.
    QMap<QString, QString> cells(int sheet) const {
        QStringList strings;
        QXmlStreamReader shared(part("xl/sharedStrings.xml"));
        while (!shared.atEnd()) {
            if (shared.readNext() == QXmlStreamReader::StartElement && shared.name() == u"t") {
                strings << shared.readElementText();
            }
        }
        QMap<QString, QString> values;
        QXmlStreamReader xml(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)));
        QString address, type;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"c") {
                address = xml.attributes().value("r").toString();
                type = xml.attributes().value("t").toString();
            } else if (xml.name() == u"v") {
                const QString text = xml.readElementText();
                values[address] = type == u"s" ? strings.value(text.toInt()) : text;
            }
        }
        return values;
    }

    QStringList mergedRanges(int sheet) const {
        QStringList ranges;
        forEachElement(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)), "mergeCell",
                       [&](QXmlStreamReader& xml) { ranges << xml.attributes().value("ref").toString(); });
        return ranges;
    }

    // The top left cell of each picture of the drawing, as "row,column" from 0.
    QStringList pictureAnchors(int drawing) const {
        QStringList anchors;
        QXmlStreamReader xml(part(QStringLiteral("xl/drawings/drawing%1.xml").arg(drawing)));
        bool inFrom = false;
        QString column;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement && xml.name() == u"from") inFrom = true;
            if (token == QXmlStreamReader::EndElement && xml.name() == u"from") inFrom = false;
            if (token != QXmlStreamReader::StartElement || !inFrom) continue;
            if (xml.name() == u"col") column = xml.readElementText();
            if (xml.name() == u"row") anchors << xml.readElementText() + QLatin1Char(',') + column;
        }
        return anchors;
    }

private:
    template <typename Fn> static void forEachElement(const QByteArray& bytes, const char* name, Fn&& fn) {
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String(name)) fn(xml);
        }
    }

    zip_t* archive_ = nullptr;
};

}  // namespace testsupport
