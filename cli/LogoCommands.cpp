#include "cli/LogoCommands.h"

#include "logo/LogoConversion.h"
#include "logo/LogoUpload.h"

#include <QBuffer>
#include <iostream>
#include <memory>

namespace {

// A PNG of one bit a dot: the converted picture is pure black and white, so nothing is lost. Written
// as every file of the program ("-": standard output).
int writePreview(PortRun& run, const QImage& picture, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).save(&buffer, "PNG")) {
        run.err << "I/O Error!\n";
        return kExitIoError;
    }
    return writeOutput(run, path, png);
}

int sendConverted(PortRun& run, const QImage& picture, const std::string& previewPattern) {
    if (!previewPattern.empty()) {
        int written = writePreview(run, picture, outputPath(previewPattern, run.portName));
        if (written != kExitOk)
            return written;
    }
    const bool showProgress = run.showProgress;
    std::ostream& err = run.err;
    const int rows = picture.height();
    bool sent = sendLogo(reportingLine(run), picture, [showProgress, &err, rows](int row) {
        if (showProgress)
            err << '\r' << row + 1 << '/' << rows << " rows" << std::flush;
    });
    if (showProgress && rows > 0)
        err << '\n';
    if (!sent)
        return kExitCommunication;
    run.result = {{"rows", rows}};
    return kExitOk;
}

// The conversion's options after FILE (and OUT.png); a usage error on anything else.
int parseControls(const std::vector<std::string>& args, size_t from, bool allowPreview,
                  LogoControls& controls, std::string& preview) {
    const std::string verb = "logo " + args[0];
    for (size_t i = from; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--threshold") {
            controls.threshold = true;
            continue;
        }
        bool known =
            option == "--brightness" || option == "--contrast" || (option == "--preview" && allowPreview);
        if (!known || i + 1 >= args.size())
            return unexpectedWord(verb, args, known ? i + 1 : i);
        const std::string& value = args[++i];
        if (option == "--preview") {
            preview = value;
            continue;
        }
        bool brightness = option == "--brightness";
        auto number = numberArgument(option, value, 10, brightness ? kMinBrightness : kMinContrast,
                                     brightness ? kMaxBrightness : kMaxContrast);
        if (!number)
            return kExitUsage;
        (brightness ? controls.brightness : controls.contrast) = int(*number);
    }
    return kExitOk;
}

} // namespace

ParseResult parseLogo(const std::vector<std::string>& args) {
    const bool send = args.size() >= 2 && args[0] == "send";
    const bool previewOnly = args.size() >= 3 && args[0] == "preview" && args[2].rfind("--", 0) != 0;
    if (!send && !previewOnly) {
        if (args.empty() || (args[0] != "send" && args[0] != "preview"))
            return unexpectedWord("logo", args, 0);
        return usageError(args[0] == "send" ? "logo send: FILE is missing"
                                            : "logo preview: FILE and OUT.png come first");
    }
    LogoControls controls;
    std::string preview = previewOnly ? args[2] : std::string();
    if (int code = parseControls(args, previewOnly ? 3 : 2, send, controls, preview); code != kExitOk)
        return code;

    // The bitmap is loaded and converted before any port is touched: a bad file sends nothing.
    LogoPictureLoad loaded = loadLogoFile(QString::fromLocal8Bit(args[1]));
    if (!loaded.error.isEmpty()) {
        std::cerr << loaded.error.toLocal8Bit().constData() << '\n';
        return kExitBadInput;
    }
    auto images = std::make_shared<LogoImages>();
    takePicture(*images, loaded.picture);
    convertLogo(*images, controls);

    if (previewOnly)
        return Job{[images, preview](PortRun& run) {
                       run.result = {{"rows", images->picture.height()},
                                     {"preview", QString::fromLocal8Bit(preview)}};
                       return writePreview(run, images->picture, preview);
                   },
                   false,
                   {}};
    return Job{[images, preview](PortRun& run) { return sendConverted(run, images->picture, preview); }, true,
               preview};
}
