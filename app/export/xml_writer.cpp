#include "app/export/xml_writer.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>

namespace vellmora {
namespace {

// libxml2 takes its strings as zero-terminated unsigned characters.
const xmlChar* Chars(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

}  // namespace

XmlWriter::XmlWriter() : buffer_(xmlBufferCreate()), writer_(buffer_ ? xmlNewTextWriterMemory(buffer_, 0) : nullptr) {
  if (writer_ == nullptr) {
    failed_ = true;
    return;
  }
  Check(xmlTextWriterStartDocument(writer_, "1.0", "UTF-8", nullptr));
}

XmlWriter::~XmlWriter() {
  if (writer_ != nullptr) xmlFreeTextWriter(writer_);
  if (buffer_ != nullptr) xmlBufferFree(buffer_);
}

void XmlWriter::Check(int result) {
  if (result < 0) failed_ = true;
}

void XmlWriter::Open(std::string_view name) {
  if (!failed_) Check(xmlTextWriterStartElement(writer_, Chars(std::string(name))));
}

void XmlWriter::Attribute(std::string_view name, std::string_view value) {
  if (!failed_) Check(xmlTextWriterWriteAttribute(writer_, Chars(std::string(name)), Chars(std::string(value))));
}

void XmlWriter::Text(std::string_view text) {
  if (!failed_) Check(xmlTextWriterWriteString(writer_, Chars(std::string(text))));
}

void XmlWriter::Close() {
  if (!failed_) Check(xmlTextWriterFullEndElement(writer_));
}

void XmlWriter::Element(std::string_view name, std::string_view text) {
  Open(name);
  Text(text);
  Close();
}

void XmlWriter::NewLine(int indent) {
  std::string layout(static_cast<std::size_t>(indent) + 1, ' ');
  layout.front() = '\n';
  Text(layout);
}

std::string XmlWriter::Finish() {
  if (!failed_) Check(xmlTextWriterEndDocument(writer_));
  // Freeing the writer flushes what it still holds into the buffer.
  if (writer_ != nullptr) xmlFreeTextWriter(writer_);
  writer_ = nullptr;
  if (failed_) throw std::runtime_error("the XML document could not be written");
  return {reinterpret_cast<const char*>(xmlBufferContent(buffer_)), static_cast<std::size_t>(xmlBufferLength(buffer_))};
}

}  // namespace vellmora
