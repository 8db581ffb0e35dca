#include "ui/maker.h"

namespace quillmark {

QString MakerWebsite()
{
    return QStringLiteral("https://www.tallowbeck-systems.co.uk/quillmark");
}

QString FirstContactText()
{
    return QStringLiteral("Tallowbeck Systems Ltd.\n"
                          "Unit 4, Ropewalk Yard, Kendal, Cumbria, United Kingdom\n"
                          "Telephone +44 1632 960418\n"
                          "www.tallowbeck-systems.co.uk");
}

QString SecondContactText()
{
    return QStringLiteral("Questions, licences and new templates:\n"
                          "support@tallowbeck-systems.co.uk\n"
                          "Choose \"Go to website...\" in the Help menu for updates\n"
                          "and the Pharmacode guide for packaging designers.");
}

} // namespace quillmark
