#include "platform/film_xmp.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "engine/startup.h"

namespace momentart {

namespace {

const QString kRdf = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";

QString ownNamespace() { return QString(kAuthorWeb) + "/ns/picture/1.0/"; }

}  // namespace

QByteArray xmpOfTexts(const ImageTexts& texts) {
    QByteArray xmp;
    QXmlStreamWriter writer(&xmp);
    writer.setAutoFormatting(true);
    writer.writeProcessingInstruction("xpacket", "begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"");
    writer.writeNamespace("adobe:ns:meta/", "x");
    writer.writeNamespace(kRdf, "rdf");
    writer.writeNamespace(ownNamespace(), "momentart");
    writer.writeStartElement("adobe:ns:meta/", "xmpmeta");
    writer.writeStartElement(kRdf, "RDF");
    writer.writeStartElement(kRdf, "Description");
    writer.writeAttribute(kRdf, "about", "");
    for (const auto& [key, value] : texts) writer.writeTextElement(ownNamespace(), key, value);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeProcessingInstruction("xpacket", "end=\"w\"");
    return xmp;
}

ImageTexts textsOfXmp(const QByteArray& xmp) {
    ImageTexts texts;
    QXmlStreamReader reader(xmp);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.namespaceUri() == ownNamespace()) {
            const QString key = reader.name().toString();
            texts.append({key, reader.readElementText()});
        }
    }
    if (reader.hasError()) return {};
    return texts;
}

}  // namespace momentart
