#pragma once

// Words the window shows in the user's language, written in English where
// they are defined, away from Qt. lupdate reads each call as a text to
// translate under `context` (translations/lupdate.sh names this function as
// one of Qt's markers); the window looks the text up with
// QCoreApplication::translate(context, text); everyone else reads English.

namespace scrivlette {

constexpr const char* translatable(const char* /*context*/, const char* text) {
    return text;
}

} // namespace scrivlette
