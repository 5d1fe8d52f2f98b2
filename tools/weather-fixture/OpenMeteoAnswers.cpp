#include "OpenMeteoAnswers.h"

namespace OpenMeteoAnswers {

namespace {

// The parts every forecast answer shares around its current and daily values.
QString forecast(const char *head, const char *current, const char *daily, bool us)
{
    const QString temperature = us ? QStringLiteral("°F") : QStringLiteral("°C");
    const QString speed = us ? QStringLiteral("mp/h") : QStringLiteral("km/h");
    return QString::fromUtf8(head)
        + QStringLiteral(R"(,"current_units":{"time":"iso8601","interval":"seconds",)"
                         R"("temperature_2m":"%1","relative_humidity_2m":"%","dew_point_2m":"%1",)"
                         R"("apparent_temperature":"%1","weather_code":"wmo code",)"
                         R"("wind_speed_10m":"%2","wind_direction_10m":"°",)"
                         R"("wind_gusts_10m":"%2"},"current":{)")
              .arg(temperature, speed)
        + QString::fromUtf8(current)
        + QStringLiteral(R"(},"daily_units":{"time":"iso8601","weather_code":"wmo code",)"
                         R"("temperature_2m_max":"%1","temperature_2m_min":"%1",)"
                         R"("sunrise":"iso8601","sunset":"iso8601","wind_speed_10m_max":"%2",)"
                         R"("wind_direction_10m_dominant":"°"},"daily":{)")
              .arg(temperature, speed)
        + QString::fromUtf8(daily) + QStringLiteral("}}");
}

} // namespace

QString zip80917()
{
    return QStringLiteral(
        R"({"results":[{"id":5417598,"name":"Colorado Springs","latitude":38.83388,)"
        R"("longitude":-104.82136,"elevation":1839.0,"feature_code":"PPLA2","country_code":"US",)"
        R"("admin1_id":5417618,"admin2_id":5417611,"timezone":"America/Denver",)"
        R"("population":456568,"postcodes":["80901","80917","80918"],"country_id":6252001,)"
        R"("country":"United States","admin1":"Colorado","admin2":"El Paso"}],)"
        R"("generationtime_ms":0.79})");
}

QString denver()
{
    return QStringLiteral(
        R"({"results":[{"id":4853423,"name":"Denver","latitude":42.67359,"longitude":-92.33768,)"
        R"("elevation":286.0,"feature_code":"PPL","country_code":"US","admin1_id":4862182,)"
        R"("timezone":"America/Chicago","population":1919,"country_id":6252001,)"
        R"("country":"United States","admin1":"Iowa","admin2":"Bremer"},)"
        R"({"id":5419384,"name":"Denver","latitude":39.73915,"longitude":-104.9847,)"
        R"("elevation":1609.0,"feature_code":"PPLA","country_code":"US","admin1_id":5417618,)"
        R"("admin2_id":5419385,"timezone":"America/Denver","population":715522,)"
        R"("postcodes":["80201","80202"],"country_id":6252001,"country":"United States",)"
        R"("admin1":"Colorado","admin2":"Denver"}],"generationtime_ms":1.02})");
}

QString london()
{
    return QStringLiteral(
        R"({"results":[{"id":2643743,"name":"London","latitude":51.50853,"longitude":-0.12574,)"
        R"("elevation":25.0,"feature_code":"PPLC","country_code":"GB","admin1_id":6269131,)"
        R"("admin2_id":2648110,"timezone":"Europe/London","population":8961989,)"
        R"("country_id":2635167,"country":"United Kingdom","admin1":"England",)"
        R"("admin2":"Greater London"},)"
        R"({"id":6058560,"name":"London","latitude":42.98339,"longitude":-81.23304,)"
        R"("elevation":252.0,"feature_code":"PPL","country_code":"CA","admin1_id":6093943,)"
        R"("timezone":"America/Toronto","population":346765,"country_id":6251999,)"
        R"("country":"Canada","admin1":"Ontario"}],"generationtime_ms":0.66})");
}

QString paris()
{
    return QStringLiteral(
        R"({"results":[{"id":2988507,"name":"Paris","latitude":48.85341,"longitude":2.3488,)"
        R"("elevation":42.0,"feature_code":"PPLC","country_code":"FR","admin1_id":3012874,)"
        R"("admin2_id":2968815,"timezone":"Europe/Paris","population":2138551,)"
        R"("country_id":3017382,"country":"France","admin1":"Île-de-France",)"
        R"("admin2":"Paris"}],"generationtime_ms":0.58})");
}

QString noPlaces()
{
    return QStringLiteral(R"({"generationtime_ms":0.41})");
}

QString coloradoSpringsForecast()
{
    return forecast(
        R"({"latitude":38.8339,"longitude":-104.8214,"generationtime_ms":0.06,)"
        R"("utc_offset_seconds":-25200,"timezone":"America/Denver",)"
        R"("timezone_abbreviation":"MST","elevation":1839.0)",
        R"("time":"2026-12-10T08:00","interval":900,"temperature_2m":41.2,)"
        R"("relative_humidity_2m":45,"dew_point_2m":20.4,"apparent_temperature":35.1,)"
        R"("weather_code":2,"wind_speed_10m":13.6,"wind_direction_10m":312,)"
        R"("wind_gusts_10m":22.1)",
        R"("time":["2026-12-10","2026-12-11","2026-12-12"],"weather_code":[2,0,71],)"
        R"("temperature_2m_max":[45.3,50.1,38.6],"temperature_2m_min":[21.2,27.6,24.9],)"
        R"("sunrise":["2026-12-10T07:06","2026-12-11T07:07","2026-12-12T07:08"],)"
        R"("sunset":["2026-12-10T16:36","2026-12-11T16:36","2026-12-12T16:37"],)"
        R"("wind_speed_10m_max":[10.2,6.8,15.4],"wind_direction_10m_dominant":[268,190,340])",
        true);
}

QString denverForecast()
{
    return forecast(
        R"({"latitude":39.7392,"longitude":-104.9847,"generationtime_ms":0.05,)"
        R"("utc_offset_seconds":-25200,"timezone":"America/Denver",)"
        R"("timezone_abbreviation":"MST","elevation":1609.0)",
        R"("time":"2026-12-10T08:00","interval":900,"temperature_2m":57.9,)"
        R"("relative_humidity_2m":71,"dew_point_2m":48.6,"apparent_temperature":55.0,)"
        R"("weather_code":95,"wind_speed_10m":18.3,"wind_direction_10m":225,)"
        R"("wind_gusts_10m":35.8)",
        R"("time":["2026-12-10","2026-12-11","2026-12-12"],"weather_code":[95,3,1],)"
        R"("temperature_2m_max":[61.0,52.4,49.9],"temperature_2m_min":[40.1,35.3,30.0],)"
        R"("sunrise":["2026-12-10T07:10","2026-12-11T07:11","2026-12-12T07:12"],)"
        R"("sunset":["2026-12-10T16:38","2026-12-11T16:38","2026-12-12T16:39"],)"
        R"("wind_speed_10m_max":[24.0,11.9,8.1],"wind_direction_10m_dominant":[220,300,315])",
        true);
}

QString londonForecast()
{
    return forecast(
        R"({"latitude":51.5,"longitude":-0.12,"generationtime_ms":0.07,)"
        R"("utc_offset_seconds":0,"timezone":"Europe/London","timezone_abbreviation":"GMT",)"
        R"("elevation":25.0)",
        R"("time":"2026-12-10T15:00","interval":900,"temperature_2m":8.2,)"
        R"("relative_humidity_2m":87,"dew_point_2m":6.1,"apparent_temperature":4.9,)"
        R"("weather_code":61,"wind_speed_10m":19.4,"wind_direction_10m":225,)"
        R"("wind_gusts_10m":38.9)",
        R"("time":["2026-12-10","2026-12-11","2026-12-12"],"weather_code":[61,3,80],)"
        R"("temperature_2m_max":[9.1,10.4,8.7],"temperature_2m_min":[5.2,4.4,3.9],)"
        R"("sunrise":["2026-12-10T07:58","2026-12-11T07:59","2026-12-12T08:00"],)"
        R"("sunset":["2026-12-10T15:51","2026-12-11T15:51","2026-12-12T15:51"],)"
        R"("wind_speed_10m_max":[24.5,17.6,20.2],"wind_direction_10m_dominant":[230,250,200])",
        false);
}

QString parisForecast()
{
    return forecast(
        R"({"latitude":48.86,"longitude":2.3399997,"generationtime_ms":0.05,)"
        R"("utc_offset_seconds":3600,"timezone":"Europe/Paris","timezone_abbreviation":"GMT+1",)"
        R"("elevation":43.0)",
        R"("time":"2026-12-10T16:00","interval":900,"temperature_2m":6.4,)"
        R"("relative_humidity_2m":90,"dew_point_2m":4.9,"apparent_temperature":4.1,)"
        R"("weather_code":3,"wind_speed_10m":0.4,"wind_direction_10m":90,)"
        R"("wind_gusts_10m":3.2)",
        R"("time":["2026-12-10","2026-12-11","2026-12-12"],"weather_code":[3,45,2],)"
        R"("temperature_2m_max":[7.3,6.8,8.2],"temperature_2m_min":[2.9,1.7,2.4],)"
        R"("sunrise":["2026-12-10T08:36","2026-12-11T08:37","2026-12-12T08:38"],)"
        R"("sunset":["2026-12-10T16:53","2026-12-11T16:53","2026-12-12T16:53"],)"
        R"("wind_speed_10m_max":[7.6,5.0,9.7],"wind_direction_10m_dominant":[80,60,200])",
        false);
}

QString forecastError()
{
    return QStringLiteral(
        R"({"error":true,"reason":"Latitude must be in range of -90 to 90°. Given: 91.0."})");
}

} // namespace OpenMeteoAnswers
