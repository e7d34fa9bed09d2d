#pragma once
// Reads and drops property values of older stream formats.

class TReader;

class TRzOldPropReader {
public:
    static void ReadOldBooleanProp(TReader& reader);
    static void ReadOldIntegerProp(TReader& reader);
    static void ReadOldStringProp(TReader& reader);
    static void ReadOldEnumProp(TReader& reader);
    static void ReadOldIdentProp(TReader& reader);
    // The set marker, then identifiers until an empty one.
    static void ReadOldSetProp(TReader& reader);
    static void WriteOldProp(class TWriter& writer);
};
