#pragma once

#include "Connection.h"

#include <QObject>

class DataSource;
class Field;
class QueryDataset;
class TableDataset;

// The data module: the one connection to dbphone.mdb and every dataset and
// data source of the program. Windows and reports bind to these by name and
// work through them; the module keeps no data of its own.
class TDM : public QObject
{
    Q_OBJECT

public:
    // Connects to dbphone.mdb in the working directory and opens TableSabt,
    // TableGroup, QueryDetail and ADOQuery2; throws DatabaseError.
    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    DataSource* DataSourceGroup;
    DataSource* DataSourceSearch;
    DataSource* DataSourceMaster;
    DataSource* DataSourceDetail;
    Connection ADOConnection;
    TableDataset* TableSabt;
    TableDataset* TableGroup;
    QueryDataset* QuerySearch;
    QueryDataset* QueryMaster;
    QueryDataset* QueryDetail;
    DataSource* DataSource1;
    QueryDataset* ADOQuery2;

    // Fields of TableSabt, in order.
    Field *TableSabtCode, *TableSabtName, *TableSabtHome, *TableSabtCompany, *TableSabtFax, *TableSabtMobil,
        *TableSabtCity, *TableSabtFactory, *TableSabtPish, *TableSabtPostcod, *TableSabtAd1, *TableSabtAd2,
        *TableSabtAd3, *TableSabtRow;
    // Fields of TableGroup, in order.
    Field *TableGroupCode, *TableGroupName;
    // Fields of QuerySearch, in order.
    Field *QuerySearchCode, *QuerySearchName, *QuerySearchHome, *QuerySearchCompany, *QuerySearchFax,
        *QuerySearchMobil, *QuerySearchCity, *QuerySearchFactory, *QuerySearchPish, *QuerySearchPostcod,
        *QuerySearchAd1, *QuerySearchAd2, *QuerySearchAd3, *QuerySearchRow;
    // Fields of QueryMaster, in order.
    Field *QueryMasterCode, *QueryMasterName;
    // Fields of QueryDetail, in order.
    Field *QueryDetailCode, *QueryDetailName, *QueryDetailHome, *QueryDetailCompany, *QueryDetailFax,
        *QueryDetailMobil, *QueryDetailCity, *QueryDetailFactory, *QueryDetailPish, *QueryDetailPostcod,
        *QueryDetailAd1, *QueryDetailAd2, *QueryDetailAd3, *QueryDetailRow;
    // Fields of ADOQuery2, in order.
    Field *ADOQuery2Code, *ADOQuery2GrpName, *ADOQuery2PhoneName, *ADOQuery2Home, *ADOQuery2Company,
        *ADOQuery2Fax, *ADOQuery2Mobil, *ADOQuery2City, *ADOQuery2Factory, *ADOQuery2Pish, *ADOQuery2Postcod,
        *ADOQuery2Ad1, *ADOQuery2Ad2, *ADOQuery2Ad3, *ADOQuery2Row;
};

extern TDM* DM;
