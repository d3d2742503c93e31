#include "server/PlainAnswer.h"

namespace {

const char* StatusText(int status) {
  switch (status) {
    case 400:
      return "Bad Request";
    case 408:
      return "Request Timeout";
    case 411:
      return "Length Required";
    case 413:
      return "Payload Too Large";
    case 414:
      return "URI Too Long";
    case 431:
      return "Request Header Fields Too Large";
    case 503:
      return "Service Unavailable";
    default:
      return "Internal Server Error";
  }
}

}  // namespace

std::string PlainAnswer(int status, const std::string& reason) {
  const std::string body = reason + "\n";
  return "HTTP/1.1 " + std::to_string(status) + " " + StatusText(status) +
         "\r\nContent-Type: text/plain; charset=utf-8\r\nX-Content-Type-Options: nosniff\r\n"
         "Cache-Control: no-store\r\nConnection: close\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}
