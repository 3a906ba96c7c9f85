#include <zorimex/failure/app_error.h>

#include <array>

namespace zorimex {
namespace {

struct Description {
    int number;
    const char* text; // UTF-8
};

const std::array<Description, 7> kDescriptions{{
    {error_number::FileNotFound, "ファイルが見つかりません。"},
    {error_number::DeviceIo, "デバイス I/O エラーです。"},
    {error_number::DiskFull, "ディスクの空き容量が足りません。"},
    {error_number::InputPastEnd, "ファイルの終わりを越えて読み込もうとしました。"},
    {error_number::PathFileAccess, "パスまたはファイルにアクセスできません。"},
    {error_number::PathNotFound, "パスが見つかりません。"},
    {error_number::BrowserNotStarted, "ブラウザを起動できません。"},
}};

} // namespace

QString describeErrorNumber(int number) {
    for (const Description& description : kDescriptions)
        if (description.number == number)
            return QString::fromUtf8(description.text);
    return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
}

AppError AppError::make(int number, const QString& path, const QString& detail) {
    return AppError{number, describeErrorNumber(number), path, detail};
}

} // namespace zorimex
