#include "text.h"

#include <QStringDecoder>

namespace platform {

QString ToQString(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) return decoded;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace platform
