#include "controls/panels/OldPropReader.h"

#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"

void TRzOldPropReader::ReadOldBooleanProp(TReader& reader) {
    reader.ReadBoolean();
}

void TRzOldPropReader::ReadOldIntegerProp(TReader& reader) {
    reader.ReadInteger();
}

void TRzOldPropReader::ReadOldStringProp(TReader& reader) {
    reader.ReadString();
}

void TRzOldPropReader::ReadOldEnumProp(TReader& reader) {
    reader.ReadIdent();
}

void TRzOldPropReader::ReadOldIdentProp(TReader& reader) {
    reader.ReadIdent();
}

void TRzOldPropReader::ReadOldSetProp(TReader& reader) {
    if (reader.ReadValue() != vaSet)
        throw EReadError("Invalid property value");
    while (!reader.ReadName().empty()) {
    }
}

void TRzOldPropReader::WriteOldProp(TWriter&) {}
