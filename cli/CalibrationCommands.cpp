#include "cli/CalibrationCommands.h"

#include "metrology/SystemParameters.h"
#include "text/Numbers.h"

#include <iostream>
#include <variant>

namespace {

// A field as the command line names it: a text (combo box, Max Tare), a whole number (spin
// field) or a check box.
using FieldMember = std::variant<QString SystemFields::*, int32_t SystemFields::*, bool SystemFields::*>;

struct FieldName {
    std::string_view name;
    FieldMember member;
};

const FieldName kFieldNames[] = {
    {"capacity", &SystemFields::capacity},
    {"interval", &SystemFields::interval},
    {"unit", &SystemFields::unit},
    {"initial-zero", &SystemFields::initialZero},
    {"max-tare", &SystemFields::maxTare},
    {"digits", &SystemFields::digits},
    {"price-round", &SystemFields::priceRound},
    {"local-g", &SystemFields::localG},
    {"destination-g", &SystemFields::destinationG},
    {"stable-count", &SystemFields::stableCount},
    {"password", &SystemFields::password},
    {"lb", &SystemFields::lb},
    {"dual-interval", &SystemFields::dualInterval},
    {"comma", &SystemFields::comma},
    {"one-time-tare", &SystemFields::oneTimeTare},
    {"minimum-sale", &SystemFields::minimumSale},
};

struct Assignment {
    FieldMember member;
    std::string value;
};

const FieldName* fieldNamed(std::string_view name) {
    for (const FieldName& field : kFieldNames)
        if (field.name == name)
            return &field;
    return nullptr;
}

const SystemPreset* presetNamed(std::string_view name) {
    for (const SystemPreset& preset : systemPresets())
        if (preset.name == name)
            return &preset;
    return nullptr;
}

// Writes one value as the operator's typing would; a spin field's text that is no whole number
// throws ConversionError.
void assign(SystemFields& fields, const Assignment& assignment) {
    QString text = QString::fromLocal8Bit(assignment.value);
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(fields.*member)>;
            if constexpr (std::is_same_v<Value, QString>)
                fields.*member = text;
            else if constexpr (std::is_same_v<Value, int32_t>)
                fields.*member = strToInt(text);
            else
                fields.*member = assignment.value == "1";
        },
        assignment.member);
}

// The fields as sent, by their command-line names with "_" for "-".
QJsonObject fieldsObject(const SystemFields& fields) {
    QJsonObject object;
    for (const FieldName& field : kFieldNames)
        std::visit(
            [&](auto member) {
                object[QLatin1String(field.name.data(), qsizetype(field.name.size()))
                           .toString()
                           .replace('-', '_')] = fields.*member;
            },
            field.member);
    return object;
}

ParseResult prepareSend(const std::vector<std::string>& args) {
    // The whole line first: a malformed part is a usage error whatever values come before it.
    const SystemPreset* preset = nullptr;
    std::vector<Assignment> assignments;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--preset") {
            if (preset || i + 1 >= args.size())
                return unexpectedWord("calibration send", args, preset ? i : i + 1);
            if (!(preset = presetNamed(args[++i])))
                return badValue("--preset", args[i], "is not a preset");
            continue;
        }
        size_t equals = args[i].find('=');
        const FieldName* field =
            equals == std::string::npos ? nullptr : fieldNamed(args[i].substr(0, equals));
        if (!field)
            return unexpectedWord("calibration send", args, i);
        std::string value = args[i].substr(equals + 1);
        if (std::holds_alternative<bool SystemFields::*>(field->member) && value != "0" && value != "1")
            return badValue(args[i].substr(0, equals), value, "is not 0 or 1");
        assignments.push_back({field->member, value});
    }

    SystemFields fields = preset ? preset->fields : startFields();
    try {
        for (const Assignment& assignment : assignments)
            assign(fields, assignment);
        // Every conversion of SEND, before the port is touched.
        FrameLink scratch;
        putSystemParameters(scratch, fields);
    } catch (const ConversionError& e) {
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    }
    return Job{[fields](PortRun& run) {
                   if (!sendSystemParameters(reportingLine(run), fields))
                       return kExitCommunication;
                   run.result = fieldsObject(fields);
                   return kExitOk;
               },
               true,
               {}};
}

} // namespace

ParseResult parseCalibration(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "send")
        return unexpectedWord("calibration", args, 0);
    return prepareSend(args);
}
