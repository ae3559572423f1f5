#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "import/PictureImages.h"
#include "platform/Messages.h"

bool splitVariable(const QString &text, std::string &folder, std::string &name)
{
    const qsizetype cut = text.indexOf(u'\\');
    const QString folderText = cut < 0 ? QStringLiteral("main") : text.left(cut);
    const QString nameText = cut < 0 ? text : text.mid(cut + 1);
    for (const auto &[value, kind] : {std::pair{folderText, NameKind::Folder}, std::pair{nameText, NameKind::PicVar}}) {
        if (CalcCharset::characters(value).size() > 8) {
            refuse(text, Convert::tr("a calculator name has at most 8 characters"));
            return false;
        }
        if (const std::optional<NameProblem> problem = findNameProblem(value, kind)) {
            refuse(text, problem->title + u' ' + screenLines(problem->message));
            return false;
        }
    }
    folder = CalcCharset::fromUnicode(folderText);
    name = CalcCharset::fromUnicode(nameText);
    return true;
}

int writePictureAs(Context &context, const QString &out, CalcPicture picture)
{
    QByteArray data;
    if (const std::optional<CalcKind> kind = kindFromEnding(out.toStdString()); kind && out.contains(u'.')) {
        picture.kind = *kind;
        const EncodeResult encoded = encode89i(picture);
        if (encoded.error != Picture89iError::None)
            return refuse(pictureFailure(out, encoded.error));
        data = asByteArray(encoded.bytes);
    } else {
        data = pictureFileBytes(picture.pixels, picture.width, picture.height, suffixOf(out));
    }
    if (data.isEmpty())
        return refuse(out, Convert::tr("the output must end in .89i, .9xi, .v2i, .92i, .png, .bmp or .pbm"));
    return writeOutput(context, out, data);
}
