// The captions that the launcher gives a setup window's labels and buttons when it opens the
// window, one row per language of the launcher's language selector, and the folder browser's
// title in each language ("Lingua" has none: its window keeps the English one).
#include "app/captions.h"

// clang-format off

const CaptionTable &mmsCaptionTable()
{
    static const CaptionTable table{
        {"Label3", "Label4", "Label8", "Label9", "Label10", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Command1", "Command2", "Command3"},
        {
            {"中文", {"国家", "运营商", "网址", "IP", "端口", "手机号 1", "手机号 2", "手机号 3", "手机号 4", "手机号 5", "邮箱 1", "邮箱 2", "邮箱 3", "邮箱 4", "邮箱 5", "读取配置文件", "生成配置文件", "退出"}},
            {"Cesky", {"Zeme", "Operater", "URL", "IP", "Port", "Tel.cislo", "Tel.cislo", "Tel.cislo", "Tel.cislo", "Tel.cislo", "Email", "Email", "Email", "Email", "Email", "Read", "Generovat", "Vystup"}},
            {"Deutsch", {"Land", "Operateur", "URL", "IP", "Port", "Telefonnummer", "Telefonnummer", "Telefonnummer", "Telefonnummer", "Telefonnummer", "Email", "Email", "Email", "Email", "Email", "Lesen", "Generieren", "Back"}},
            {"English", {"Country", "Operator", "URL", "IP", "Port", "Phone 1", "Phone 2", "Phone 3", "Phone 4", "Phone 5", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read Cfg", "Generate", "Exit"}},
            {"Espanol", {"Pais", "Operadores", "URL", "IP", "Puerto", "Phone 1", "Phone 2", "Phone 3", "Phone 4", "Phone 5", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Leer cfg", "Generar cfg", "Abandonar"}},
            {"Italiano", {"Nazione", "Operatori", "URL", "IP", "PORTA", "No.Telefono", "No.Telefono", "No.Telefono", "No.Telefono", "No.Telefono", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "leggere", "Genera", "Indiet"}},
            {"Francais", {"Pays", "Operateurs", "URL", "IP", "Port", "No teltphone", "No teltphone", "No teltphone", "No teltphone", "No teltphone", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "lire", "Creer", "Retour"}},
            {"Lingua", {"Morbi", "Operateurs", "URL", "IP", "Port", "Mobile numero", "Mobile numero", "Mobile numero", "Mobile numero", "Mobile numero", "Email", "Email", "Email", "Email", "Email", "Read", "Generare", "Intercido"}},
            {"Magyar", {"Country", "Operátorok", "URL", "Atjaro", "Port", "Telefonsz", "Telefonsz", "Telefonsz", "Telefonsz", "Telefonsz", "Email", "Email", "Email", "Email", "Email", "Olvas", "Generálása", "Vissz"}},
            {"Portugues", {"Country", "Operadores", "URL", "Atjaro", "Porto", "Telefone", "Telefone", "Telefone", "Telefone", "Telefone", "Email", "Email", "Email", "Email", "Email", "Ler", "Generate", "Drop out"}},
            {"Slovensko", {"Drzava", "Operater", "URL", "Prehod", "VRATA", "Telefonska stev", "Telefonska stev", "Telefonska stev", "Telefonska stev", "Telefonska stev", "Email", "Email", "Email", "Email", "Email", "Read", "Generiraj", "Nazaj"}},
            {"Suomi", {"maa", "operaattorit", "URL", "IP", "port", "puhelinmunero", "puhelinmunero", "puhelinmunero", "puhelinmunero", "puhelinmunero", "Sahkoposti", "Sahkoposti", "Sahkoposti", "Sahkoposti", "Sahkoposti", "Read", "luo", "piostu"}},
        },
    };
    return table;
}

const CaptionTable &smtpCaptionTable()
{
    static const CaptionTable table{
        {"Label8", "Label9", "Label10", "Label11", "Label17", "Label18", "Label19", "Label20", "Label21", "Command1", "Command2", "Command3", "Command5"},
        {
            {"中文", {"服务器", "服务器端口", "发件箱", "发件箱密码", "邮箱 1", "邮箱 2", "邮箱 3", "邮箱 4", "邮箱 5", "读取配置文件", "生成配置文件", "退出", "测试邮件"}},
            {"Cesky", {"Server", "ServerPort", "K odeslanl", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Cist", "Generovat", "Vystup", "Test e-mail"}},
            {"Deutsch", {"Server", "ServerPort", "Outbox", "Passwort", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read", "Generieren", "Ausfallen", "E-Mail testen"}},
            {"English", {"Server", "Port", "Email", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read Cfg", "Generate", "Exit", "Test e-mail"}},
            {"Espanol", {"Servidor", "ServidorPuerto", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Ler Cfg", "Generate", "Abandonar", "Probar correo"}},
            {"Italiano", {"Server", "ServerPorto", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Leggere", "Genera", "Indiet", "Prova e-mail"}},
            {"Francais", {"Serveur", "ServeurPort", "Outbox", "Passe", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Lire", "Generer", "Retour", "Tester l'e-mail"}},
            {"Lingua", {"Server", "ServerPort", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "lire", "Creer", "Retour", "Test e-mail"}},
            {"Magyar", {"Server", "ServerPort", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read", "Letrehoz", "Vissz", "Test e-mail"}},
            {"Portugues", {"Servidor", "ServidorPorto", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Ler", "Generate", "Drop out", "Testar e-mail"}},
            {"Slovensko", {"Server", "ServerPort", "Outbox", "Heslo", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read", "Generiraj", "Nazaj", "Test e-mail"}},
            {"Suomi", {"Server", "ServerPort", "Outbox", "Password", "Email 1", "Email 2", "Email 3", "Email 4", "Email 5", "Read", "Luo", "Piostu", "Test e-mail"}},
        },
    };
    return table;
}

const std::vector<TitleRow> &folderBrowserTitleTable()
{
    static const std::vector<TitleRow> table{
        {"中文", "请选择软件安装路径："},
        {"Cesky", "Vyberte složku karty fotoaparátu"},
        {"Deutsch", "Ordner der Kamerakarte wählen"},
        {"English", "Choose the camera card's folder"},
        {"Espanol", "Elija la carpeta de la tarjeta de la cámara"},
        {"Italiano", "Scegli la cartella della scheda della fotocamera"},
        {"Francais", "Choisissez le dossier de la carte de l'appareil"},
        {"Magyar", "Válassza ki a kamera kártyájának mappáját"},
        {"Portugues", "Escolha a pasta do cartão da câmara"},
        {"Slovensko", "Izberite mapo kartice kamere"},
        {"Suomi", "Valitse kameran muistikortin kansio"},
    };
    return table;
}

// clang-format on
