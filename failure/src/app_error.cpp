#include "zorimex/failure/app_error.h"

#include <array>

namespace zorimex::failure {
namespace {

struct Description {
    int number;
    const char* text; // UTF-8
};

const std::array<Description, 7> kDescriptions{{
    {error_number::kFileNotFound, "ファイルが見つかりません。"},
    {error_number::kDeviceIo, "デバイス I/O エラーです。"},
    {error_number::kDiskFull, "ディスクの空き容量が足りません。"},
    {error_number::kInputPastEnd, "ファイルの終わりを越えて読み込もうとしました。"},
    {error_number::kPathFileAccess, "パスまたはファイルにアクセスできません。"},
    {error_number::kPathNotFound, "パスが見つかりません。"},
    {error_number::kBrowserNotStarted, "ブラウザを起動できません。"},
}};

} // namespace

QString DescribeErrorNumber(int number) {
    for (const Description& description : kDescriptions)
        if (description.number == number)
            return QString::fromUtf8(description.text);
    return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
}

AppError AppError::make(int number, const QString& path, const QString& detail) {
    return AppError{number, DescribeErrorNumber(number), path, detail};
}

} // namespace zorimex::failure
