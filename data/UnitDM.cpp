#include "UnitDM.h"

#include "DataSource.h"
#include "QueryDataset.h"
#include "Schema.h"
#include "TableDataset.h"

TDM* DM = nullptr;

TDM::TDM(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    DataSourceGroup = new DataSource(QStringLiteral("DataSourceGroup"), this);
    DataSourceSearch = new DataSource(QStringLiteral("DataSourceSearch"), this);
    DataSourceMaster = new DataSource(QStringLiteral("DataSourceMaster"), this);
    DataSourceDetail = new DataSource(QStringLiteral("DataSourceDetail"), this);
    TableSabt = new TableDataset(QStringLiteral("TableSabt"), ADOConnection, QStringLiteral("Phone"), this);
    TableGroup = new TableDataset(QStringLiteral("TableGroup"), ADOConnection, QStringLiteral("Grp"), this);

    QuerySearch = new QueryDataset(QStringLiteral("QuerySearch"), ADOConnection, this);
    QuerySearch->SQL.Add(QStringLiteral("select *"));
    QuerySearch->SQL.Add(QStringLiteral("from phone"));
    QuerySearch->SQL.Add(QStringLiteral("\rorder by name"));

    QueryMaster = new QueryDataset(QStringLiteral("QueryMaster"), ADOConnection, this);
    QueryMaster->SQL.Add(QStringLiteral("select *"));
    QueryMaster->SQL.Add(QStringLiteral("from grp"));
    QueryMaster->SQL.Add(QString());

    QueryDetail = new QueryDataset(QStringLiteral("QueryDetail"), ADOConnection, this);
    QueryDetail->SQL.Add(QStringLiteral("select *"));
    QueryDetail->SQL.Add(QStringLiteral("from phone"));
    QueryDetail->SQL.Add(QStringLiteral("where code=:code"));
    QueryDetail->SQL.Add(QString());
    QueryDetail->setMasterSource(DataSourceMaster);

    DataSource1 = new DataSource(QStringLiteral("DataSource1"), this);
    ADOQuery2 = new QueryDataset(QStringLiteral("ADOQuery2"), ADOConnection, this);
    ADOQuery2->SQL.Add(QStringLiteral(
        "SELECT Grp.Code, Grp.Name, Phone.Name, Phone.Home, Phone.Company, Phone.Fax, Phone.Mobil, "
        "Phone.City, "
        "Phone.Factory, Phone.Pish, Phone.Postcod, Phone.Ad1, Phone.Ad2, Phone.Ad3, Phone.Row"));
    ADOQuery2->SQL.Add(QStringLiteral("FROM Grp INNER JOIN Phone ON Grp.Code = Phone.Code;"));

    TableSabtCode = TableSabt->addField(QStringLiteral("TableSabtCode"), QStringLiteral("Code"));
    TableSabtName = TableSabt->addField(QStringLiteral("TableSabtName"), QStringLiteral("Name"));
    TableSabtHome = TableSabt->addField(QStringLiteral("TableSabtHome"), QStringLiteral("Home"));
    TableSabtCompany = TableSabt->addField(QStringLiteral("TableSabtCompany"), QStringLiteral("Company"));
    TableSabtFax = TableSabt->addField(QStringLiteral("TableSabtFax"), QStringLiteral("Fax"));
    TableSabtMobil = TableSabt->addField(QStringLiteral("TableSabtMobil"), QStringLiteral("Mobil"));
    TableSabtCity = TableSabt->addField(QStringLiteral("TableSabtCity"), QStringLiteral("City"));
    TableSabtFactory = TableSabt->addField(QStringLiteral("TableSabtFactory"), QStringLiteral("Factory"));
    TableSabtPish = TableSabt->addField(QStringLiteral("TableSabtPish"), QStringLiteral("Pish"));
    TableSabtPostcod = TableSabt->addField(QStringLiteral("TableSabtPostcod"), QStringLiteral("Postcod"));
    TableSabtAd1 = TableSabt->addField(QStringLiteral("TableSabtAd1"), QStringLiteral("Ad1"));
    TableSabtAd2 = TableSabt->addField(QStringLiteral("TableSabtAd2"), QStringLiteral("Ad2"));
    TableSabtAd3 = TableSabt->addField(QStringLiteral("TableSabtAd3"), QStringLiteral("Ad3"));
    TableSabtRow = TableSabt->addField(QStringLiteral("TableSabtRow"), QStringLiteral("Row"));
    TableGroupCode = TableGroup->addField(QStringLiteral("TableGroupCode"), QStringLiteral("Code"));
    TableGroupName = TableGroup->addField(QStringLiteral("TableGroupName"), QStringLiteral("Name"));
    QuerySearchCode = QuerySearch->addField(QStringLiteral("QuerySearchCode"), QStringLiteral("Code"));
    QuerySearchName = QuerySearch->addField(QStringLiteral("QuerySearchName"), QStringLiteral("Name"));
    QuerySearchHome = QuerySearch->addField(QStringLiteral("QuerySearchHome"), QStringLiteral("Home"));
    QuerySearchCompany =
        QuerySearch->addField(QStringLiteral("QuerySearchCompany"), QStringLiteral("Company"));
    QuerySearchFax = QuerySearch->addField(QStringLiteral("QuerySearchFax"), QStringLiteral("Fax"));
    QuerySearchMobil = QuerySearch->addField(QStringLiteral("QuerySearchMobil"), QStringLiteral("Mobil"));
    QuerySearchCity = QuerySearch->addField(QStringLiteral("QuerySearchCity"), QStringLiteral("City"));
    QuerySearchFactory =
        QuerySearch->addField(QStringLiteral("QuerySearchFactory"), QStringLiteral("Factory"));
    QuerySearchPish = QuerySearch->addField(QStringLiteral("QuerySearchPish"), QStringLiteral("Pish"));
    QuerySearchPostcod =
        QuerySearch->addField(QStringLiteral("QuerySearchPostcod"), QStringLiteral("Postcod"));
    QuerySearchAd1 = QuerySearch->addField(QStringLiteral("QuerySearchAd1"), QStringLiteral("Ad1"));
    QuerySearchAd2 = QuerySearch->addField(QStringLiteral("QuerySearchAd2"), QStringLiteral("Ad2"));
    QuerySearchAd3 = QuerySearch->addField(QStringLiteral("QuerySearchAd3"), QStringLiteral("Ad3"));
    QuerySearchRow = QuerySearch->addField(QStringLiteral("QuerySearchRow"), QStringLiteral("Row"));
    QueryMasterCode = QueryMaster->addField(QStringLiteral("QueryMasterCode"), QStringLiteral("Code"));
    QueryMasterName = QueryMaster->addField(QStringLiteral("QueryMasterName"), QStringLiteral("Name"));
    QueryDetailCode = QueryDetail->addField(QStringLiteral("QueryDetailCode"), QStringLiteral("Code"));
    QueryDetailName = QueryDetail->addField(QStringLiteral("QueryDetailName"), QStringLiteral("Name"));
    QueryDetailHome = QueryDetail->addField(QStringLiteral("QueryDetailHome"), QStringLiteral("Home"));
    QueryDetailCompany =
        QueryDetail->addField(QStringLiteral("QueryDetailCompany"), QStringLiteral("Company"));
    QueryDetailFax = QueryDetail->addField(QStringLiteral("QueryDetailFax"), QStringLiteral("Fax"));
    QueryDetailMobil = QueryDetail->addField(QStringLiteral("QueryDetailMobil"), QStringLiteral("Mobil"));
    QueryDetailCity = QueryDetail->addField(QStringLiteral("QueryDetailCity"), QStringLiteral("City"));
    QueryDetailFactory =
        QueryDetail->addField(QStringLiteral("QueryDetailFactory"), QStringLiteral("Factory"));
    QueryDetailPish = QueryDetail->addField(QStringLiteral("QueryDetailPish"), QStringLiteral("Pish"));
    QueryDetailPostcod =
        QueryDetail->addField(QStringLiteral("QueryDetailPostcod"), QStringLiteral("Postcod"));
    QueryDetailAd1 = QueryDetail->addField(QStringLiteral("QueryDetailAd1"), QStringLiteral("Ad1"));
    QueryDetailAd2 = QueryDetail->addField(QStringLiteral("QueryDetailAd2"), QStringLiteral("Ad2"));
    QueryDetailAd3 = QueryDetail->addField(QStringLiteral("QueryDetailAd3"), QStringLiteral("Ad3"));
    QueryDetailRow = QueryDetail->addField(QStringLiteral("QueryDetailRow"), QStringLiteral("Row"));
    ADOQuery2Code = ADOQuery2->addField(QStringLiteral("ADOQuery2Code"), QStringLiteral("Code"));
    ADOQuery2GrpName = ADOQuery2->addField(QStringLiteral("ADOQuery2GrpName"), QStringLiteral("Grp.Name"));
    ADOQuery2PhoneName =
        ADOQuery2->addField(QStringLiteral("ADOQuery2PhoneName"), QStringLiteral("Phone.Name"));
    ADOQuery2Home = ADOQuery2->addField(QStringLiteral("ADOQuery2Home"), QStringLiteral("Home"));
    ADOQuery2Company = ADOQuery2->addField(QStringLiteral("ADOQuery2Company"), QStringLiteral("Company"));
    ADOQuery2Fax = ADOQuery2->addField(QStringLiteral("ADOQuery2Fax"), QStringLiteral("Fax"));
    ADOQuery2Mobil = ADOQuery2->addField(QStringLiteral("ADOQuery2Mobil"), QStringLiteral("Mobil"));
    ADOQuery2City = ADOQuery2->addField(QStringLiteral("ADOQuery2City"), QStringLiteral("City"));
    ADOQuery2Factory = ADOQuery2->addField(QStringLiteral("ADOQuery2Factory"), QStringLiteral("Factory"));
    ADOQuery2Pish = ADOQuery2->addField(QStringLiteral("ADOQuery2Pish"), QStringLiteral("Pish"));
    ADOQuery2Postcod = ADOQuery2->addField(QStringLiteral("ADOQuery2Postcod"), QStringLiteral("Postcod"));
    ADOQuery2Ad1 = ADOQuery2->addField(QStringLiteral("ADOQuery2Ad1"), QStringLiteral("Ad1"));
    ADOQuery2Ad2 = ADOQuery2->addField(QStringLiteral("ADOQuery2Ad2"), QStringLiteral("Ad2"));
    ADOQuery2Ad3 = ADOQuery2->addField(QStringLiteral("ADOQuery2Ad3"), QStringLiteral("Ad3"));
    ADOQuery2Row = ADOQuery2->addField(QStringLiteral("ADOQuery2Row"), QStringLiteral("Row"));

    DataSourceGroup->setDataSet(TableGroup);
    DataSourceSearch->setDataSet(QuerySearch);
    DataSourceMaster->setDataSet(QueryMaster);
    DataSourceDetail->setDataSet(QueryDetail);
    DataSource1->setDataSet(ADOQuery2);

    ADOConnection.open(Schema::DatabaseFileName);
    TableSabt->Open();
    TableGroup->Open();
    QueryDetail->Open();
    ADOQuery2->Open();
}

TDM::~TDM() = default;
