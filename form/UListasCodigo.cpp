#include "form/UListasCodigo.h"

#include <cstddef>

namespace {

struct TFila {
    const char16_t* name;
    const char16_t* code;
};

template <std::size_t N> TListaCodigos Build(const TFila (&rows)[N]) {
    QStringList names;
    QStringList codes;
    names.reserve(N);
    codes.reserve(N);
    for (const TFila& row : rows) {
        names.append(QString::fromUtf16(row.name));
        codes.append(QString::fromUtf16(row.code));
    }
    return TListaCodigos(names, codes);
}

} // namespace

TListaCodigos::TListaCodigos(const QStringList& names, const QStringList& codes)
    : names_(names), codes_(codes) {
    const qsizetype count = qMin(names_.size(), codes_.size());
    names_.resize(count);
    codes_.resize(count);
}

QString TListaCodigos::CodeForName(const QString& name) const {
    const int index = IndexOfItemText(names_, name);
    return index < 0 ? QString() : codes_.at(index);
}

int IndexOfItemText(const QStringList& items, const QString& text) {
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        // Qt folds case per character, so "CÓRDOBA" equals "Córdoba".
        if (items.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

const TListaCodigos& ListaAreasTematicas() {
    // Two-digit codes, leading zero kept.
    static const TFila rows[] = {
        {u"Ciencias Biológicas de Células y Moléculas", u"01"},
        {u"Ciencias Económicas y Derecho", u"02"},
        {u"Ciencias Físicas, Matemáticas y Astronómicas", u"03"},
        {u"Ciencias Sociales", u"04"},
        {u"Ciencias Médicas", u"05"},
        {u"Ciencias Químicas", u"06"},
        {u"Ciencias de la Tierra e Hidro-atmosféricas", u"07"},
        {u"Tecnología Agraria y Forestal", u"08"},
        {u"Tecnología de Alimentos", u"09"},
        {u"Tecnología Energética Minera Mecánica y de Materiales", u"10"},
        {u"Tecnología Informática de las Comunicaciones y Electrónica", u"11"},
        {u"Tecnología Pecuaria y Pesquera", u"12"},
        {u"Tecnología del Medio Ambiente", u"13"},
        {u"Tecnología Química", u"14"},
        {u"Ciencias Biológicas de Organismos y Sistemas", u"15"},
        {u"Ciencias Humanas", u"16"},
        {u"Ciencias Clínicas y Salud Pública", u"17"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaProvincias() {
    // "No Aplica" is an ordinary entry, for projects without a province.
    static const TFila rows[] = {
        {u"No Aplica", u"NA"},
        {u"Buenos Aires", u"BSAS"},
        {u"Capital Federal", u"CF"},
        {u"Catamarca", u"CATAMARCA"},
        {u"Chaco", u"CHACO"},
        {u"Chubut", u"CHUBUT"},
        {u"Córdoba", u"CORDOBA"},
        {u"Corrientes", u"CORRIENTES"},
        {u"Entre Ríos", u"ENTRERIOS"},
        {u"Formosa", u"FORMOSA"},
        {u"Jujuy", u"JUJUY"},
        {u"La Pampa", u"LAPAMPA"},
        {u"La Rioja", u"LARIOJA"},
        {u"Mendoza", u"MENDOZA"},
        {u"Misiones", u"MISIONES"},
        {u"Neuquén", u"NEUQUEN"},
        {u"Río Negro", u"RIONEGRO"},
        {u"Salta", u"SALTA"},
        {u"San Juan", u"SANJUAN"},
        {u"San Luis", u"SANLUIS"},
        {u"Santa Cruz", u"SANTACRUZ"},
        {u"Santa Fé", u"SANTAFE"},
        {u"Santiago del Estero", u"SANTIAGO"},
        {u"Tierra del Fuego", u"TIERRAF"},
        {u"Tucumán", u"TUCUMAN"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaTiposInstitucion() {
    // There is no TORG4: the codes go from TORG3 to TORG5.
    static const TFila rows[] = {
        {u"Organismo de C&T", u"TORG1"},
        {u"Universidad", u"TORG2"},
        {u"Organismo Gubernamental", u"TORG3"},
        {u"Entidad sin fines de lucro", u"TORG5"},
        {u"Empresa", u"TORG6"},
        {u"ONG", u"TORG7"},
        {u"Otro tipo de organizaciones", u"TORG8"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaTiposGestion() {
    static const TFila rows[] = {
        {u"Pública", u"TGES1"},
        {u"Privada", u"TGES2"},
        {u"Mixta", u"TGES3"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaRegiones() {
    static const TFila rows[] = {
        {u"Municipal", u"MUNICIPAL"},
        {u"Nacional", u"NACIONAL"},
        {u"Provincial", u"PROVINCIAL"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaAreasPrioritarias() {
    static const TFila rows[] = {
        {u"Bonaerense", u"BONAERENSE"},  {u"Centro", u"CENTRO"},
        {u"Patagonia", u"PATAGONIA"},    {u"Cuyo", u"CUYO"},
        {u"Noroeste Argentino", u"NOA"}, {u"Noreste Argentino", u"NEA"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const TListaCodigos& ListaPaises() {
    // Alphabetical, accents ignored. Codes are "." plus the internet country code, except
    // "Argentina" ("AR") and "Estados Unidos" ("USA").
    static const TFila rows[] = {
        {u"Afganistán", u".AF"},
        {u"Albania", u".AL"},
        {u"Alemania", u".DE"},
        {u"Andorra", u".AD"},
        {u"Angola", u".AO"},
        {u"Anguila", u".AI"},
        {u"Antártida", u".AQ"},
        {u"Antigua Unión Soviética", u".SU"},
        {u"Antigua y Barbuda", u".AG"},
        {u"Antillas Neerlandesas", u".AN"},
        {u"Arabia Saudita", u".SA"},
        {u"Argelia", u".DZ"},
        {u"Argentina", u"AR"},
        {u"Armenia", u".AM"},
        {u"Aruba", u".AW"},
        {u"Australia", u".AU"},
        {u"Austria", u".AT"},
        {u"Azerbaiyán", u".AZ"},
        {u"Bahamas", u".BS"},
        {u"Bahréin", u".BH"},
        {u"Bangladesh", u".BD"},
        {u"Barbados", u".BB"},
        {u"Bélgica", u".BE"},
        {u"Belice", u".BZ"},
        {u"Benín", u".BJ"},
        {u"Bermudas", u".BM"},
        {u"Bielorrusia", u".BY"},
        {u"Bolivia", u".BO"},
        {u"Bosnia-Herzegovina", u".BA"},
        {u"Botsuana", u".BW"},
        {u"Brasil", u".BR"},
        {u"Brunei Darussalam", u".BN"},
        {u"Bulgaria", u".BG"},
        {u"Burkina Faso", u".BF"},
        {u"Burundi", u".BI"},
        {u"Bután", u".BT"},
        {u"Cabo Verde", u".CV"},
        {u"Camboya", u".KH"},
        {u"Camerún", u".CM"},
        {u"Canadá", u".CA"},
        {u"Chad", u".TD"},
        {u"Chile", u".CL"},
        {u"Chipre", u".CY"},
        {u"Ciudad del Vaticano", u".VA"},
        {u"Colombia", u".CO"},
        {u"Comoras", u".KM"},
        {u"Corea del Sur", u".KR"},
        {u"Costa de Marfil", u".CI"},
        {u"Costa Rica", u".CR"},
        {u"Croacia", u".HR"},
        {u"Cuba", u".CU"},
        {u"Dinamarca", u".DK"},
        {u"Dominica", u".DM"},
        {u"Ecuador", u".EC"},
        {u"Egipto", u".EG"},
        {u"El Salvador", u".SV"},
        {u"Emiratos Árabes Unidos", u".AE"},
        {u"Eritrea", u".ER"},
        {u"Eslovaquia", u".SK"},
        {u"Eslovenia", u".SI"},
        {u"España", u".ES"},
        {u"Estados Federados de Micronesia", u".FM"},
        {u"Estados Unidos", u"USA"},
        {u"Estonia", u".EE"},
        {u"Etiopía", u".ET"},
        {u"Fiji", u".FJ"},
        {u"Filipinas", u".PH"},
        {u"Finlandia", u".FI"},
        {u"Francia", u".FR"},
        {u"Gabón", u".GA"},
        {u"Gambia", u".GM"},
        {u"Georgia", u".GE"},
        {u"Ghana", u".GH"},
        {u"Gibraltar", u".GI"},
        {u"Granada", u".GD"},
        {u"Grecia", u".GR"},
        {u"Groenlandia", u".GL"},
        {u"Guadalupe", u".GP"},
        {u"Guam", u".GU"},
        {u"Guatemala", u".GT"},
        {u"Guayana Francesa", u".GF"},
        {u"Guernesey", u".GG"},
        {u"Guinea", u".GN"},
        {u"Guinea Ecuatorial", u".GQ"},
        {u"Guinea-Bissáu", u".GW"},
        {u"Guyana", u".GY"},
        {u"Haití", u".HT"},
        {u"Honduras", u".HN"},
        {u"Hong Kong", u".HK"},
        {u"Hungría", u".HU"},
        {u"India", u".IN"},
        {u"Indonesia", u".ID"},
        {u"Irán", u".IR"},
        {u"Irlanda", u".IE"},
        {u"Isla Ascensión", u".AC"},
        {u"Isla de Jersey", u".JE"},
        {u"Isla de Man", u".IM"},
        {u"Isla de Navidad", u".CX"},
        {u"Isla Norfolk", u".NF"},
        {u"Islandia", u".IS"},
        {u"Islas Caimán", u".KY"},
        {u"Islas Cocos", u".CC"},
        {u"Islas Cook", u".CK"},
        {u"Islas Feroe", u".FO"},
        {u"Islas Georgias del Sur y Sandwich del Sur", u".GS"},
        {u"Islas Heard y McDonald", u".HM"},
        {u"Islas Malvinas", u".FK"},
        {u"Islas Marianas del Norte", u".MP"},
        {u"Islas Marshall", u".MH"},
        {u"Islas Pitcairn", u".PN"},
        {u"Islas Salomón", u".SB"},
        {u"Islas Turcas y Caicos", u".TC"},
        {u"Islas Ultramarinas de Estados Unidos", u".UM"},
        {u"Islas Vírgenes Británicas", u".VG"},
        {u"Islas Vírgenes de los Estados Unidos", u".VI"},
        {u"Israel", u".IL"},
        {u"Italia", u".IT"},
        {u"Jamaica", u".JM"},
        {u"Japón", u".JP"},
        {u"Jordania", u".JO"},
        {u"Kazajstán", u".KZ"},
        {u"Kenia", u".KE"},
        {u"Kirguistán", u".KG"},
        {u"Kiribati", u".KI"},
        {u"Kuwait", u".KW"},
        {u"Laos", u".LA"},
        {u"Lesotho", u".LS"},
        {u"Letonia", u".LV"},
        {u"Líbano", u".LB"},
        {u"Liberia", u".LR"},
        {u"Libia", u".LY"},
        {u"Liechtenstein", u".LI"},
        {u"Lituania", u".LT"},
        {u"Luxemburgo", u".LU"},
        {u"Macao", u".MO"},
        {u"Madagascar", u".MG"},
        {u"Malasia", u".MY"},
        {u"Malawi", u".MW"},
        {u"Maldivas", u".MV"},
        {u"Malí", u".ML"},
        {u"Malta", u".MT"},
        {u"Marruecos", u".MA"},
        {u"Martinica", u".MQ"},
        {u"Mauricio", u".MU"},
        {u"Mauritania", u".MR"},
        {u"Mayotte", u".YT"},
        {u"México", u".MX"},
        {u"Moldavia", u".MD"},
        {u"Mónaco", u".MC"},
        {u"Mongolia", u".MN"},
        {u"Montserrat", u".MS"},
        {u"Mozambique", u".MZ"},
        {u"Myanmar", u".MM"},
        {u"Namibia", u".NA"},
        {u"Nauru", u".NR"},
        {u"Nepal", u".NP"},
        {u"Nicaragua", u".NI"},
        {u"Níger", u".NE"},
        {u"Nigeria", u".NG"},
        {u"Niue", u".NU"},
        {u"Noruega", u".NO"},
        {u"Nueva Caledonia", u".NC"},
        {u"Nueva Zelanda", u".NZ"},
        {u"Omán", u".OM"},
        {u"Países Bajos", u".NL"},
        {u"Pakistán", u".PK"},
        {u"Palau", u".PW"},
        {u"Palestina", u".PS"},
        {u"Panamá", u".PA"},
        {u"Papúa Nueva Guinea", u".PG"},
        {u"Paraguay", u".PY"},
        {u"Perú", u".PE"},
        {u"Polinesia Francesa", u".PF"},
        {u"Polonia", u".PL"},
        {u"Portugal", u".PT"},
        {u"Puerto Rico", u".PR"},
        {u"Qatar", u".QA"},
        {u"Reino Unido", u".UK"},
        {u"República Centroafricana", u".CF"},
        {u"República Checa", u".CZ"},
        {u"República de Macedonia", u".MK"},
        {u"República del Congo", u".CG"},
        {u"República Democrática del Congo", u".CD"},
        {u"República Dominicana", u".DO"},
        {u"República Popular China", u".CN"},
        {u"Reunión", u".RE"},
        {u"Ruanda", u".RW"},
        {u"Rumania", u".RO"},
        {u"Rusia", u".RU"},
        {u"Samoa", u".WS"},
        {u"Samoa Americana", u".AS"},
        {u"San Cristóbal y Nevis", u".KN"},
        {u"San Marino", u".SM"},
        {u"San Pedro y Miquelón", u".PM"},
        {u"San Vicente y las Granadinas", u".VC"},
        {u"Santa Helena", u".SH"},
        {u"Santa Lucía", u".LC"},
        {u"Santo Tomé y Príncipe", u".ST"},
        {u"Senegal", u".SN"},
        {u"Seychelles", u".SC"},
        {u"Sierra Leona", u".SL"},
        {u"Singapur", u".SG"},
        {u"Siria", u".SY"},
        {u"Somalia", u".SO"},
        {u"Sri Lanka", u".LK"},
        {u"Sudáfrica", u".ZA"},
        {u"Sudán", u".SD"},
        {u"Suecia", u".SE"},
        {u"Suiza", u".CH"},
        {u"Surinam", u".SR"},
        {u"Swazilandia", u".SZ"},
        {u"Tailandia", u".TH"},
        {u"Taiwán (República de China)", u".TW"},
        {u"Tanzania", u".TZ"},
        {u"Tayikistán", u".TJ"},
        {u"Territorio Británico en el Océano Índico", u".IO"},
        {u"Territorios Australes Franceses", u".TF"},
        {u"Timor Oriental", u".TL"},
        {u"Togo", u".TG"},
        {u"Tokelau", u".TK"},
        {u"Tonga", u".TO"},
        {u"Trinidad y Tobago", u".TT"},
        {u"Túnez", u".TN"},
        {u"Turkmenistán", u".TM"},
        {u"Turquía", u".TR"},
        {u"Tuvalu", u".TV"},
        {u"Ucrania", u".UA"},
        {u"Uganda", u".UG"},
        {u"Unión Europea", u".EU"},
        {u"Uruguay", u".UY"},
        {u"Uzbekistán", u".UZ"},
        {u"Vanuatu", u".VU"},
        {u"Venezuela", u".VE"},
        {u"Vietnam", u".VN"},
        {u"Wallis y Futuna", u".WF"},
        {u"Yemen", u".YE"},
        {u"Yibuti", u".DJ"},
        {u"Yugoslavia", u".YU"},
        {u"Zambia", u".ZM"},
        {u"Zimbabwe", u".ZW"},
    };
    static const TListaCodigos list = Build(rows);
    return list;
}

const QStringList& RubrosPresupuesto() {
    static const QStringList rubros = {
        QString::fromUtf16(u"Insumos"),
        QString::fromUtf16(u"Bibliografía"),
        QString::fromUtf16(u"Publicaciones de resultado del proyecto"),
        QString::fromUtf16(u"Gastos de servicios técnicos especializados"),
        QString::fromUtf16(u"Viajes y viáticos"),
        QString::fromUtf16(u"Equipamiento"),
        QString::fromUtf16(u"Beca Doctoral"),
        QString::fromUtf16(u"Beca PostDoctoral"),
        QString::fromUtf16(u"Personal (Salarios)"),
    };
    return rubros;
}
