#include <zorimex/failure/app_error.h>

namespace zorimex {

QString describeErrorNumber(int number) {
    switch (number) {
    case error_number::FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case error_number::DeviceIo:
        return QStringLiteral("デバイス I/O エラーです。");
    case error_number::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case error_number::InputPastEnd:
        return QStringLiteral("ファイルの終わりを越えて読み込もうとしました。");
    case error_number::PathFileAccess:
        return QStringLiteral("パスまたはファイルにアクセスできません。");
    case error_number::PathNotFound:
        return QStringLiteral("パスが見つかりません。");
    case error_number::BrowserNotStarted:
        return QStringLiteral("ブラウザを起動できません。");
    default:
        return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

AppError AppError::make(int number, const QString& path, const QString& detail) {
    return AppError{number, describeErrorNumber(number), path, detail};
}

} // namespace zorimex
