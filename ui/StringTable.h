#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "commands/MessageCatalogue.h"
#include "services/ErrorLookup.h"
#include "store/Message.h"
#include "store/TextList.h"

namespace trelink {

// The numbered texts of the interface. They are looked up through qtTrId, so the catalogue
// installed last decides the language; the built-in German catalogue is always underneath.
class StringTable {
public:
    // The text with that id in the current language; empty for an id the table does not know.
    static QString Text(int id);
    // The text with that id, its "%s"/"%i" placeholders filled in order.
    static QString Format(int id, const QStringList& arguments);
    static QString Text(const Message& message);
    static QStringList Texts(const std::vector<Message>& messages);
    static QStringList ToStringList(const TextList& texts);
    // Fills "%s", "%i" and "%d" in order from arguments; "%%" gives "%". A placeholder without
    // an argument becomes empty, so a catalogue text can never read past the arguments.
    static QString FillPlaceholders(const QString& pattern, const QStringList& arguments);

    // The message that the error-lookup library could not be loaded, naming the file tried.
    static QString LoadFailureText(const ErrorLookup::LoadFailure& failure);

    // Installs the built-in German catalogue; true when it was found in the program.
    static bool InstallBuiltInCatalogue();
};

// The catalogue texts of the current language, for the command layer's assembled texts.
class CurrentCatalogue : public MessageCatalogue {
public:
    std::string Pattern(int messageId) const override {
        return StringTable::Text(messageId).toStdString();
    }
};

}  // namespace trelink
